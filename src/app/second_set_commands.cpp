// The animation page's commands that need no series: rendering the start or the
// end values alone, loading a second set as the end, and the fields that follow
// each other.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>
#include <filesystem>

#include "anim/frame_series.h"
#include "anim/key_chain.h"
#include "anim/second_set.h"
#include "anim/serie_triggers.h"
#include "animation_runner.h"
#include "design.h"
#include "frames_panel.h"
#include "key_set_panel.h"
#include "params/animated_params.h"
#include "params/param_reader.h"
#include "params/settings_file.h"
#include "params/working_files.h"
#include "prompts.h"
#include "render/file_directives.h"
#include "render_output.h"

namespace vermora::app {
namespace {

// The end values shown by Render EndValues: all but the spline's shape and the
// cloud rotations, which keep their start values.
bool ShownAtEnd(const AnimatedParam& p) {
  return p.group != AnimGroup::kTorus && p.name != "edCloudRot1" && p.name != "edCloudRot2";
}

}  // namespace

void AnimationRunner::AddButtons() {
  auto* page = design_.dialog_parent()->findChild<QScrollArea*>("TabFeaturesAnimation");
  auto* stack =
      page && page->widget() ? qobject_cast<QVBoxLayout*>(page->widget()->layout()) : nullptr;
  if (auto* hidden = design_.dialog_parent()->findChild<QWidget*>("chkRendThingA")) hidden->hide();
  frames_ = new FramesPanel(design_, design_.dialog_parent());
  frames_->hide();
  if (!stack) return;
  auto* box = new QGroupBox("Second set", page->widget());
  box->setObjectName("AnimButtons");
  auto* row = new QHBoxLayout(box);
  auto* manual = new QLabel("Do settings manually or :", box);
  manual->setObjectName("Label175");
  auto* load = new QPushButton("Load second for animation", box);
  load->setObjectName("sbLoadAS");
  start_values_ = new QPushButton("Render StartValues", box);
  start_values_->setObjectName("sbThingA");
  end_values_ = new QPushButton("Render EndValues", box);
  end_values_->setObjectName("sbThingB");
  for (QWidget* widget :
       {static_cast<QWidget*>(manual), static_cast<QWidget*>(load),
        static_cast<QWidget*>(start_values_), static_cast<QWidget*>(end_values_)}) {
    row->addWidget(widget);
  }
  row->addStretch(1);
  stack->insertWidget(1, box);
  key_sets_ = new KeySetPanel(design_, page->widget());
  stack->insertWidget(2, key_sets_);
  summary_ = new QLabel(page->widget());
  summary_->setObjectName("SeriesSummary");
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  stack->insertWidget(1, summary_);
  stack->insertWidget(2, frames_);
  frames_->show();
  connect(frames_, &FramesPanel::Changed, this, &AnimationRunner::ShowButtons);
  connect(key_sets_, &KeySetPanel::Changed, this, &AnimationRunner::ShowButtons);
  offer_video_ = new QPushButton("Make video ...", status_);
  offer_video_->setObjectName("sbOfferVideo");
  offer_video_->setToolTip("Join the frames just rendered into a video");
  offer_video_->hide();
  status_->addPermanentWidget(offer_video_);
  connect(offer_video_, &QPushButton::clicked, key_sets_, &KeySetPanel::MakeVideo);
  connect(key_sets_, &KeySetPanel::VideoDone, offer_video_, [this](const QString&, bool ok) {
    if (ok) offer_video_->hide();
  });
  connect(load, &QPushButton::clicked, this, &AnimationRunner::LoadSecond);
  connect(start_values_, &QPushButton::clicked, this, &AnimationRunner::RenderStartValues);
  connect(end_values_, &QPushButton::clicked, this, &AnimationRunner::RenderEndValues);
}

void AnimationRunner::ShowButtons() {
  const ParameterSet& set = design_.set();
  const bool on = set.On("chkAnim");
  if (start_values_) start_values_->setVisible(on);
  if (end_values_) end_values_->setVisible(on);
  if (!summary_) return;
  // The count the series will make: a chain ends on its last key set, or just
  // before the first when it loops.
  int frames = FramesToRender(set);
  int first = QString::fromStdString(set.Text("edCountStart")).toInt();
  if (key_sets_ && !key_sets_->keys().empty()) {
    frames = KeyChainFrames(key_sets_->keys().size() + 1, key_sets_->frames_per_step(),
                            key_sets_->loop());
    first = 1;
  }
  const QString name =
      QString::fromStdString(FrameFileName(std::max(first, 0))).replace(".pov", ".bmp");
  summary_->setText(QString("The series makes %1 frame%2 of %3 × %4 pixels (%5), %6 and on, in %7")
                        .arg(frames)
                        .arg(frames == 1 ? "" : "s")
                        .arg(frames_->width())
                        .arg(frames_->height())
                        .arg(frames_->own_size() ? "their own size" : "the Povray page's size",
                             name, FromCore(frames_->folder())));
}

void AnimationRunner::FieldEdited(size_t index) {
  ParameterSet& set = design_.set();
  ShowButtons();
  if (set.def(index).name != "edStartFrame") return;
  set.SetText("edCountStart", set.Text("edStartFrame"));
  if (auto* count = design_.dialog_parent()->findChild<QLineEdit*>("edCountStart")) {
    const QSignalBlocker block(count);
    count->setText(FromCore(set.Text("edCountStart")));
  }
}

void AnimationRunner::RenderStartValues() {
  if (design_.rendering()) {
    design_.Say("A render is already running");
    return;
  }
  // The scene is written before the render starts, so the switch can go straight back.
  design_.set().SetOn("chkRendThingA", true);
  emit RenderWanted();
  design_.set().SetOn("chkRendThingA", false);
}

void AnimationRunner::RenderEndValues() {
  if (design_.rendering()) {
    design_.Say("A render is already running");
    return;
  }
  const std::string kept_file = WorkingFilePath(design_.folder(), kThingBFile);
  if (Status s = SaveSettings(kept_file, design_.set()); !s.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
    return;  // without the kept set the start values could not come back
  }
  const ParameterSet kept = design_.set();
  for (const AnimatedParam& p : AnimatedParams()) {
    if (ShownAtEnd(p)) design_.set().SetText(p.name, design_.set().Text(p.twin));
  }
  design_.RefreshFields();
  RenderStartValues();
  // Put back from memory: the very values, even if the file cannot be read again.
  PutBack(kept);
  std::error_code ec;
  std::filesystem::remove(kept_file, ec);
}

void AnimationRunner::LoadSecond() {
  if (design_.rendering()) {
    design_.Say("A render is already running");
    return;
  }
  const std::string first_file = WorkingFilePath(design_.folder(), kSecondSetFile);
  if (Status s = SaveSettings(first_file, design_.set()); !s.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
    return;  // the first set could not be put back after a refusal
  }
  // The snapshot brings the serie triggers older sets park at 5000 and 6000 to
  // 150 and 160, in the window too (the file above keeps them as they were).
  const ParameterSet saved = design_.set();
  Diagnostics diagnostics;
  NormaliseSerieTriggers(design_.set(), ParamReader(design_.set(), diagnostics));
  design_.RefreshFields();
  const ParameterSet first = design_.set();
  auto reload_first = [&] {
    (void)LoadSettings(first_file, design_.set());
    PutBack(saved);  // whatever the file gave back, the set is the first set exactly
  };
  const QString path = design_.prompts()->OpenFile(design_.dialog_parent(), OpenSetTexts());
  if (!path.isEmpty()) {
    if (Status s = LoadSettings(ToCore(path), design_.set()); !s.ok()) {
      // A half-read end set is no end set: the first set comes back whole.
      reload_first();
      design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
      return;
    }
  }
  if (!design_.set().On("chkAnim")) {
    design_.set().SetOn("chkAnim", true);
    CopyFieldsToTwins(design_.set());
  }
  for (const std::string& problem : FamilyProblems(first, design_.set())) {
    if (design_.prompts()->Ask(design_.dialog_parent(), FromCore(problem))) continue;
    design_.set().SetOn("chkAnim", false);
    reload_first();
    return;
  }
  PutBack(MixForAnimation(first, design_.set(), diagnostics));
  // The caption names the end set, and saving the mix asks for a name.
  if (!path.isEmpty()) emit SecondSetMixed(path);
  design_.ShowWarnings(diagnostics.warnings);
  design_.Say("Second set loaded for the animation");
}

}  // namespace vermora::app
