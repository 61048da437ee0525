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
#include "key_set_panel.h"
#include "main_window.h"
#include "params/animated_params.h"
#include "params/param_reader.h"
#include "params/settings_file.h"
#include "params/working_files.h"
#include "render/file_directives.h"

namespace vermora::app {
namespace {

// The end values shown by Render EndValues: all but the spline's shape and the
// cloud rotations, which keep their start values.
bool ShownAtEnd(const AnimatedParam& p) {
  return p.group != AnimGroup::kTorus && p.name != "edCloudRot1" && p.name != "edCloudRot2";
}

}  // namespace

void AnimationRunner::AddButtons() {
  MainWindow& w = *window_;
  auto* page = w.findChild<QScrollArea*>("TabFeaturesAnimation");
  auto* stack =
      page && page->widget() ? qobject_cast<QVBoxLayout*>(page->widget()->layout()) : nullptr;
  if (auto* hidden = w.findChild<QWidget*>("chkRendThingA")) hidden->hide();
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
  key_sets_ = new KeySetPanel(window_, page->widget());
  stack->insertWidget(2, key_sets_);
  summary_ = new QLabel(page->widget());
  summary_->setObjectName("SeriesSummary");
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  stack->insertWidget(1, summary_);
  connect(key_sets_, &KeySetPanel::Changed, this, &AnimationRunner::ShowButtons);
  offer_video_ = new QPushButton("Make video ...", &w);
  offer_video_->setObjectName("sbOfferVideo");
  offer_video_->setToolTip("Join the frames just rendered into a video");
  offer_video_->hide();
  w.statusBar()->addPermanentWidget(offer_video_);
  connect(offer_video_, &QPushButton::clicked, key_sets_, &KeySetPanel::MakeVideo);
  connect(key_sets_, &KeySetPanel::VideoDone, offer_video_, [this](const QString&, bool ok) {
    if (ok) offer_video_->hide();
  });
  connect(load, &QPushButton::clicked, this, &AnimationRunner::LoadSecond);
  connect(start_values_, &QPushButton::clicked, this, &AnimationRunner::RenderStartValues);
  connect(end_values_, &QPushButton::clicked, this, &AnimationRunner::RenderEndValues);
}

void AnimationRunner::ShowButtons() {
  const ParameterSet& set = window_->set_;
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
  summary_->setText(
      QString("The series makes %1 frame%2 of %3 × %4 pixels (the Povray page's size), "
              "%5 and on, in %6")
          .arg(frames)
          .arg(frames == 1 ? "" : "s")
          .arg(FromCore(set.Text("edImageW")), FromCore(set.Text("edImageH")), name,
               FromCore(window_->folder_)));
}

void AnimationRunner::FieldEdited(size_t index) {
  ParameterSet& set = window_->set_;
  ShowButtons();
  if (set.def(index).name != "edStartFrame") return;
  set.SetText("edCountStart", set.Text("edStartFrame"));
  if (auto* count = window_->findChild<QLineEdit*>("edCountStart")) {
    const QSignalBlocker block(count);
    count->setText(FromCore(set.Text("edCountStart")));
  }
}

void AnimationRunner::RenderStartValues() {
  MainWindow& w = *window_;
  if (w.rendering()) {
    w.statusBar()->showMessage("A render is already running");
    return;
  }
  // The scene is written before the render starts, so the switch can go straight back.
  w.set_.SetOn("chkRendThingA", true);
  w.RenderScene();
  w.set_.SetOn("chkRendThingA", false);
}

void AnimationRunner::RenderEndValues() {
  MainWindow& w = *window_;
  if (w.rendering()) {
    w.statusBar()->showMessage("A render is already running");
    return;
  }
  const std::string kept_file = WorkingFilePath(w.folder_, kThingBFile);
  if (Status s = SaveSettings(kept_file, w.set_); !s.ok()) {
    w.prompts_->Error(&w, FromCore(s.message()));
    return;  // without the kept set the start values could not come back
  }
  const ParameterSet kept = w.set_;
  for (const AnimatedParam& p : AnimatedParams()) {
    if (ShownAtEnd(p)) w.set_.SetText(p.name, w.set_.Text(p.twin));
  }
  w.RefreshFields();
  RenderStartValues();
  // Put back from memory: the very values, even if the file cannot be read again.
  PutBack(kept);
  std::error_code ec;
  std::filesystem::remove(kept_file, ec);
}

void AnimationRunner::LoadSecond() {
  MainWindow& w = *window_;
  if (w.rendering()) {
    w.statusBar()->showMessage("A render is already running");
    return;
  }
  const std::string first_file = WorkingFilePath(w.folder_, kSecondSetFile);
  if (Status s = SaveSettings(first_file, w.set_); !s.ok()) {
    w.prompts_->Error(&w, FromCore(s.message()));
    return;  // the first set could not be put back after a refusal
  }
  // The snapshot brings the serie triggers older sets park at 5000 and 6000 to
  // 150 and 160, in the window too (the file above keeps them as they were).
  const ParameterSet saved = w.set_;
  Diagnostics diagnostics;
  NormaliseSerieTriggers(w.set_, ParamReader(w.set_, diagnostics));
  w.RefreshFields();
  const ParameterSet first = w.set_;
  const QString first_title = w.windowTitle();
  auto reload_first = [&] {
    (void)LoadSettings(first_file, w.set_);
    PutBack(saved);  // whatever the file gave back, the set is the first set exactly
  };
  const QString path = w.prompts_->OpenFile(&w, OpenSetTexts());
  if (!path.isEmpty()) {
    if (Status s = LoadSettings(ToCore(path), w.set_); !s.ok()) {
      // A half-read end set is no end set: the first set comes back whole.
      reload_first();
      w.prompts_->Error(&w, FromCore(s.message()));
      return;
    }
    w.setWindowTitle(path);
  }
  if (!w.set_.On("chkAnim")) {
    w.set_.SetOn("chkAnim", true);
    CopyFieldsToTwins(w.set_);
  }
  for (const std::string& problem : FamilyProblems(first, w.set_)) {
    if (w.prompts_->Ask(&w, FromCore(problem))) continue;
    w.set_.SetOn("chkAnim", false);
    reload_first();
    w.setWindowTitle(first_title);  // the caption is where a save goes
    return;
  }
  PutBack(MixForAnimation(first, w.set_, diagnostics));
  if (!path.isEmpty()) w.mixed_caption_ = path;
  w.ShowWarnings(diagnostics.warnings);
  w.statusBar()->showMessage("Second set loaded for the animation");
}

}  // namespace vermora::app
