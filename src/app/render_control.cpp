// The render command: the scene is written off the window's thread, POV-Ray runs
// as a child process while the window stays up, then the picture and the
// messages come back.
#include "render_control.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "compose/composer.h"
#include "design.h"
#include "model_builder.h"
#include "params/entry_check.h"
#include "params/part_ranges.h"
#include "params/working_files.h"
#include "picture_pane.h"
#include "preview_picture.h"
#include "prompts.h"
#include "range_notice.h"
#include "render_output.h"
#include "render_runner.h"
#include "scene/object_count.h"
#include "scene/object_limit.h"
#include "variation/evolve.h"
#include "variation/mutate.h"
#include "variation/random_engine.h"
#include "window_keys.h"

namespace vermora::app {

RenderControl::RenderControl(Design& design, RenderOutput& output, const Widgets& widgets,
                             QObject* parent)
    : QObject(parent), design_(design), output_(output), widgets_(widgets) {
  runner_ = new RenderRunner(this);
  auto_timer_ = new QTimer(this);
  auto_timer_->setObjectName("AutoRenderTimer");
  auto_timer_->setSingleShot(true);
  auto_timer_->setInterval(300);
  connect(auto_timer_, &QTimer::timeout, this, &RenderControl::AutoRender);
  connect(runner_, &RenderRunner::Finished, this, &RenderControl::RenderFinished);
  ranges_ = new RangeNotice(design_, widgets_.status);
  progress_ = new QProgressBar(widgets_.status);
  progress_->setObjectName("RenderProgress");
  progress_->setMaximumWidth(160);
  progress_->hide();
  cancel_ = new QPushButton("Cancel", widgets_.status);
  cancel_->setObjectName("CancelRender");
  cancel_->hide();
  connect(cancel_, &QPushButton::clicked, this, &RenderControl::CancelRender);
  widgets_.status->addPermanentWidget(progress_);
  widgets_.status->addPermanentWidget(cancel_);
  connect(runner_, &RenderRunner::Progress, this, [this](int percent) {
    progress_->setRange(0, 100);
    progress_->setValue(percent);
  });
}

namespace {

constexpr int kSlowAutoRenderMs = 1500;

}  // namespace

bool RenderControl::auto_on() const {
  return widgets_.auto_render && widgets_.auto_render->isChecked();
}

bool RenderControl::busy() const {
  // An automatic render never counts: any command may stop it.
  return (runner_->busy() && !auto_running_) || (composing_ && !compose_automatic_) ||
         after_compose_;
}

bool RenderControl::auto_rendering() const {
  return composing_ || auto_running_ || auto_timer_->isActive();
}

void RenderControl::ShowProgress(bool shown) {
  // Busy until the first progress line.
  progress_->setRange(0, 0);
  progress_->setVisible(shown);
  cancel_->setVisible(shown);
}

void RenderControl::Stop() { runner_->Stop(); }

std::vector<FileDirective> RenderControl::UnapprovedFileUses() const {
  std::vector<FileDirective> found = FindFileDirectives(design_.set(), design_.include_dirs());
  std::erase_if(found, [this](const FileDirective& d) {
    return std::find(approved_file_uses_.begin(), approved_file_uses_.end(),
                     d.field + ": " + d.directive) != approved_file_uses_.end();
  });
  return found;
}

bool RenderControl::TrustedToRender() {
  // Whatever brought the text in (a file, a picture, an example, a key set,
  // a texture or background file, a colour map cell, pasted text), a use of
  // files is shown once and rendered only when the user agrees.
  const std::vector<FileDirective> found = UnapprovedFileUses();
  if (found.empty()) return true;
  if (!design_.prompts()->Ask(design_.dialog_parent(),
                              FromCore(FileDirectivesText(found) + "\n\nRender it anyway ?")))
    return false;
  for (const FileDirective& d : found) approved_file_uses_.push_back(d.field + ": " + d.directive);
  return true;
}

bool RenderControl::WithinObjectLimit() {
  const std::string problem = ObjectLimitProblem(design_.set(), ObjectLimit());
  return problem.empty() || design_.prompts()->Ask(design_.dialog_parent(),
                                                   FromCore(problem + ".\n\nRender it anyway ?"));
}

bool RenderControl::EntriesUsable() {
  const std::string problem = FirstEntryProblem(design_.set());
  return problem.empty() || design_.prompts()->Ask(design_.dialog_parent(),
                                                   FromCore(problem + ".\n\nRender it anyway ?"));
}

void RenderControl::RenderScene() {
  if (design_.rendering()) {
    design_.Say("A render is already running");
    return;
  }
  if (!EntriesUsable() || !TrustedToRender() || !WithinObjectLimit()) return;
  StopAutoRender();
  if (design_.set().On("chkAnim") && !design_.set().On("chkRendThingA")) {
    emit SeriesWanted();
    return;
  }
  output_.MarkError(false);
  if (!RunVisibleEngine()) return;
  design_.LockDesign(true);
  design_.Say("Writing the scene ...");
  // Each F5 draws a creature of clock seeds anew, and the 3-D view with it.
  ResetModelClock();
  widgets_.pane->SetChanged(design_.set());
  WhenComposeFree([this] { StartCompose(false); });
}

void RenderControl::WhenComposeFree(std::function<void()> next) {
  if (composing_)
    after_compose_ = std::move(next);  // an automatic scene, thrown away
  else
    next();
}

void RenderControl::ScheduleAutoRender() {
  widgets_.pane->SetChanged(design_.set());
  ranges_->Show();
  if (!auto_on()) return;
  edited_ms_ = QDateTime::currentMSecsSinceEpoch();
  auto_timer_->start();
}

void RenderControl::AutoRender() {
  if (!auto_on() || design_.rendering()) return;
  if (!UnapprovedFileUses().empty()) {
    // Never behind the user's back: F5 shows what the set reads or writes, and asks.
    design_.Say("This set uses files: press F5 to see which and render it");
    return;
  }
  // The last good picture stays while a field holds what the scene cannot use.
  for (const std::string& problem :
       {FirstEntryProblem(design_.set()), ObjectLimitProblem(design_.set(), ObjectLimit())}) {
    if (problem.empty()) continue;
    design_.Say("Not rendered: " + FromCore(problem) + "; F5 renders it anyway");
    return;
  }
  if (composing_) {
    // The scene being written is already out of date: write the latest when it is done.
    compose_again_ = true;
    return;
  }
  if (runner_->busy()) runner_->Stop();  // an automatic render of an older edit
  output_.MarkError(false);
  StartCompose(true);
}

void RenderControl::StopAutoRender() {
  auto_timer_->stop();
  compose_again_ = false;
  if (runner_->busy() && auto_running_) runner_->Stop();
  auto_running_ = false;
}

void RenderControl::StartCompose(bool automatic) {
  composing_ = true;
  compose_automatic_ = automatic;
  render_started_ms_ = QDateTime::currentMSecsSinceEpoch();
  // The scene is written from a copy on a worker thread, so typing never waits for it.
  auto copy = std::make_shared<ParameterSet>(design_.set());
  if (automatic) {
    // The picture fills the preview, in the proportions F5 renders at.
    const int w = QString::fromStdString(design_.set().Text("edImageW")).toInt();
    const int h = QString::fromStdString(design_.set().Text("edImageH")).toInt();
    const QSize fit = output_.preview()
                          ->FittingSize(w > 0 ? w : 4, h > 0 ? h : 3)
                          .boundedTo(QSize(4000, 4000))
                          .expandedTo(QSize(32, 24));
    copy->SetText("edImageW", std::to_string(fit.width()));
    copy->SetText("edImageH", std::to_string(fit.height()));
  }
  RenderSetup setup;
  setup.povray_path = design_.povray_path();
  setup.folder = design_.folder();
  setup.include_dirs = design_.include_dirs();
  setup.compose.clock = &ModelClock();  // the seeds of the scene on screen
  PrepareInBackground(this, copy, setup,
                      [this](PreparedRender prepared) { ComposeDone(std::move(prepared)); });
}

void RenderControl::ComposeDone(PreparedRender prepared) {
  composing_ = false;
  const bool automatic = compose_automatic_;
  if (automatic && (compose_again_ || !auto_on() || after_compose_)) {
    compose_again_ = false;
    if (after_compose_) {
      std::exchange(after_compose_, {})();
    } else if (auto_on()) {
      StartCompose(true);
    }
    return;
  }
  if (!automatic && std::exchange(compose_cancelled_, false)) {
    design_.LockDesign(false);
    design_.Say("Rendering cancelled");
    emit RenderDone(false);
    return;
  }
  if (!prepared.switched_off.empty()) {
    ApplySwitchesTurnedOff(prepared.switched_off, design_.set());
    design_.RefreshFields();
  }
  if (automatic) {
    // Nothing pops up while the user edits: the status bar says what stopped the picture.
    QString problem;
    if (!prepared.status.ok())
      problem = FromCore(prepared.status.message());
    else if (!prepared.renderer_problem.empty())
      problem = FromCore(prepared.renderer_problem);
    else if (!prepared.warnings.empty())
      design_.Say(FromCore(prepared.warnings.front()));
    if (!problem.isEmpty()) {
      design_.Say(problem);
      return;
    }
    auto_running_ = true;
    runner_->Start(prepared.invocation);
    // A render that takes its time shows its progress and a Cancel, the design
    // still open to edits; a quick one does not flicker them.
    QTimer::singleShot(kSlowAutoRenderMs, this, [this] {
      if (!auto_running_ || !runner_->busy()) return;
      design_.Say("Rendering the picture ...");
      ShowProgress(true);
    });
    return;
  }
  // The seconds a box stays open are the user's, not the render's.
  const qint64 asking_from = QDateTime::currentMSecsSinceEpoch();
  design_.ShowWarnings(prepared.warnings);
  if (!prepared.status.ok()) {
    design_.LockDesign(false);
    design_.prompts()->Error(design_.dialog_parent(), FromCore(prepared.status.message()));
    return;
  }
  if (!EstimateGoesOn()) {
    design_.LockDesign(false);
    return;
  }
  render_started_ms_ += QDateTime::currentMSecsSinceEpoch() - asking_from;
  if (!prepared.renderer_problem.empty()) {
    design_.LockDesign(false);
    output_.ShowFailure(FromCore(prepared.renderer_problem));
    return;
  }
  design_.Say("Rendering ...");
  auto_running_ = false;
  runner_->Start(prepared.invocation);
}

bool RenderControl::RunVisibleEngine() {
  QWidget* page = widgets_.pages->currentWidget();
  if (!page || page->objectName() != "TabFeatures") return true;
  auto* sub_pages = qobject_cast<QTabWidget*>(page);  // a page with sub-pages is their tabs
  if (!sub_pages || !sub_pages->currentWidget()) return true;
  const QString shown = sub_pages->currentWidget()->objectName();
  EngineOptions options;
  options.program_folder = design_.folder();
  options.locks = &design_.locks();
  EngineResult result;
  if (shown == "TabFeaturesRandom") {
    result = RunRandomEngine(design_.set(), options);
  } else if (shown == "TabFeaturesEvolve") {
    result = RunEvolve(design_.set(), options);
  } else if (shown == "TabFeaturesMutate") {
    result = RunMutate(design_.set(), options);
  } else {
    return true;
  }
  design_.RefreshFields();
  design_.RecordStep(shown);
  design_.ShowWarnings(result.warnings);
  if (!result.status.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(result.status.message()));
    return false;
  }
  return true;
}

bool RenderControl::EstimateGoesOn() {
  if (!widgets_.estimate->isChecked()) return true;
  design_.set().SetText("edOpmerking", " ");
  const ObjectEstimate estimate = EstimateObjects(design_.set());
  if (!estimate.status.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(estimate.status.message()));
    return false;
  }
  if (!estimate.remark.empty()) design_.set().SetText("edOpmerking", estimate.remark);
  design_.RefreshFields();
  QString question = FromCore(estimate.Question());
  if (!estimate.warning.empty()) question += "\n" + FromCore(estimate.warning);
  return design_.prompts()->Ask(design_.dialog_parent(), question);
}

void RenderControl::CancelRender() {
  if (composing_ && !compose_automatic_) compose_cancelled_ = true;
  after_compose_ = {};
  runner_->Cancel();
  emit StopSeries();
}

void RenderControl::RenderFinished(const RenderOutcome& outcome) {
  const bool automatic = auto_running_;
  auto_running_ = false;
  if (!automatic) design_.LockDesign(false);
  if (automatic && !design_.rendering()) ShowProgress(false);
  const QString picture = FromCore(WorkingFilePath(design_.folder(), kPictureFile));
  bool shown = false;
  if (outcome.image_written) {
    QPixmap pixmap;
    if (pixmap.load(picture)) {
      output_.preview()->ShowPicture(pixmap);
      shown = true;
    }
  }
  const std::vector<std::string> lines = MessageLines(outcome.messages);
  const bool error_line = FirstErrorLine(lines) >= 0;
  if (!outcome.messages.empty() ||
      QFile::exists(FromCore(WorkingFilePath(design_.folder(), kMessagesFile)))) {
    output_.ShowMessages(FromCore(outcome.messages), error_line, !automatic);
  }
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  const qint64 took = now - render_started_ms_;
  if (outcome.ok() && shown) {
    last_picture_ms_ = automatic ? now - edited_ms_ : took;
    QString done = automatic ? QString("Rendered in %1 ms (%2 ms after the last edit)")
                                   .arg(took)
                                   .arg(last_picture_ms_)
                             : QString("Rendered in %1 ms").arg(took);
    // A field without a usable value changes the creature silently: say which.
    if (const std::string problem = FirstEntryProblem(design_.set()); !problem.empty()) {
      done += ", but " + FromCore(problem);
    } else if (const std::vector<PartRangeProblem> ranges = PartRangeProblems(design_.set());
               !ranges.empty()) {
      done += ", but " + FromCore(ranges.front().message);
    }
    design_.Say(done);
  } else if (automatic) {
    if (error_line) output_.MarkError(true);
    design_.Say(error_line ? "POV-Ray reported an error: see the Output page"
                           : FromCore(outcome.failure));
  } else {
    QString failure = FromCore(outcome.ok() ? "The picture could not be read" : outcome.failure);
    if (!error_line) {
      // Nothing in the messages says what went wrong: put it where the user looks.
      QString text = failure;
      if (!outcome.messages.empty())
        text += "\n\n" + FromCore(outcome.messages);
      else if (!outcome.output.empty())
        text += "\n\n" + FromCore(outcome.output);
      output_.ShowMessages(text, true);
    }
    design_.Say(failure);
  }
  emit RenderDone(outcome.ok() && shown);
}

void RenderControl::RenderPreview(const std::string& scene) {
  if (design_.rendering()) {
    design_.Say("A render is already running");
    return;
  }
  if (!TrustedToRender()) return;
  StopAutoRender();
  if (composing_) {
    after_compose_ = [this, scene] { RenderPreview(scene); };
    return;
  }
  output_.MarkError(false);
  render_started_ms_ = QDateTime::currentMSecsSinceEpoch();
  RenderSetup setup;
  setup.povray_path = design_.povray_path();
  setup.folder = design_.folder();
  setup.include_dirs = design_.include_dirs();
  const PreparedRender prepared = PrepareRender(scene, design_.set(), setup);
  if (!prepared.status.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(prepared.status.message()));
    return;
  }
  if (!prepared.renderer_problem.empty()) {
    output_.ShowFailure(FromCore(prepared.renderer_problem));
    return;
  }
  design_.LockDesign(true);
  design_.Say("Rendering the preview ...");
  runner_->Start(prepared.invocation);
}

double RenderControl::ObjectLimit() const {
  const double limit =
      QSettings(kSettingsOrg, kSettingsApp).value(kObjectLimitKey, kTooManyObjects).toDouble();
  return limit > 0 ? limit : kTooManyObjects;
}

void RenderControl::AskObjectLimit() {
  const std::optional<QString> entered = design_.prompts()->Input(
      design_.dialog_parent(), "Object limit", "Ask before rendering scenes of more objects than",
      QString::number(ObjectLimit(), 'f', 0));
  if (!entered) return;
  bool ok = false;
  const qlonglong limit = entered->trimmed().remove(',').toLongLong(&ok);
  if (!ok || limit < 1) {
    design_.prompts()->Error(
        design_.dialog_parent(),
        "The object limit must be a whole number above 0, not \"" + *entered + "\"");
    return;
  }
  QSettings(kSettingsOrg, kSettingsApp).setValue(kObjectLimitKey, static_cast<double>(limit));
}

}  // namespace vermora::app
