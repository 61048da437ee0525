// The render command: the scene goes to the program folder, POV-Ray runs as a child
// process while the window stays up with its design locked, then the picture and
// the messages come back.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "animation_runner.h"
#include "compose/composer.h"
#include "main_window.h"
#include "params/entry_check.h"
#include "params/part_ranges.h"
#include "params/working_files.h"
#include "picture_pane.h"
#include "preview_picture.h"
#include "render/file_directives.h"
#include "render/render_command.h"
#include "render_runner.h"
#include "scene/object_count.h"
#include "scene/object_limit.h"
#include "variation/evolve.h"
#include "variation/mutate.h"
#include "variation/random_engine.h"

namespace vermora::app {

namespace {

constexpr int kSlowAutoRenderMs = 1500;

// The status bar's render progress, busy until the first progress line, and its Cancel.
void ShowRenderProgress(QProgressBar* progress, QPushButton* cancel, bool shown) {
  progress->setRange(0, 0);
  progress->setVisible(shown);
  cancel->setVisible(shown);
}

}  // namespace

std::vector<FileDirective> MainWindow::UnapprovedFileUses() const {
  std::vector<FileDirective> found = FindFileDirectives(set_, include_dirs_);
  std::erase_if(found, [this](const FileDirective& d) {
    return std::find(approved_file_uses_.begin(), approved_file_uses_.end(),
                     d.field + ": " + d.directive) != approved_file_uses_.end();
  });
  return found;
}

bool MainWindow::TrustedToRender() {
  // Whatever brought the text in (a file, a picture, an example, a key set,
  // a texture or background file, a colour map cell, pasted text), a use of
  // files is shown once and rendered only when the user agrees.
  const std::vector<FileDirective> found = UnapprovedFileUses();
  if (found.empty()) return true;
  if (!prompts_->Ask(this, FromCore(FileDirectivesText(found) + "\n\nRender it anyway ?")))
    return false;
  for (const FileDirective& d : found) approved_file_uses_.push_back(d.field + ": " + d.directive);
  return true;
}

bool MainWindow::WithinObjectLimit() {
  const std::string problem = ObjectLimitProblem(set_, ObjectLimit());
  return problem.empty() || prompts_->Ask(this, FromCore(problem + ".\n\nRender it anyway ?"));
}

bool MainWindow::EntriesUsable() {
  const std::string problem = FirstEntryProblem(set_);
  return problem.empty() || prompts_->Ask(this, FromCore(problem + ".\n\nRender it anyway ?"));
}

void MainWindow::RenderScene() {
  if (rendering()) {
    statusBar()->showMessage("A render is already running");
    return;
  }
  if (!EntriesUsable() || !TrustedToRender() || !WithinObjectLimit()) return;
  StopAutoRender();
  if (set_.On("chkAnim") && !set_.On("chkRendThingA")) {
    animation_->RunSeries();
    return;
  }
  error_picture_->hide();
  if (!RunVisibleEngine()) return;
  LockDesign(true);
  statusBar()->showMessage("Writing the scene ...");
  WhenComposeFree([this] { StartCompose(false); });
}

void MainWindow::WhenComposeFree(std::function<void()> next) {
  if (composing_)
    after_compose_ = std::move(next);  // an automatic scene, thrown away
  else
    next();
}

void MainWindow::ScheduleAutoRender() {
  pane_->SetChanged(set_);
  ShowRangeProblems();
  if (!auto_render_ || !auto_render_->isChecked()) return;
  edited_ms_ = QDateTime::currentMSecsSinceEpoch();
  auto_timer_->start();
}

void MainWindow::AutoRender() {
  if (!auto_render_->isChecked() || rendering()) return;
  if (!UnapprovedFileUses().empty()) {
    // Never behind the user's back: F5 shows what the set reads or writes, and asks.
    statusBar()->showMessage("This set uses files: press F5 to see which and render it");
    return;
  }
  // The last good picture stays while a field holds what the scene cannot use.
  for (const std::string& problem :
       {FirstEntryProblem(set_), ObjectLimitProblem(set_, ObjectLimit())}) {
    if (problem.empty()) continue;
    statusBar()->showMessage("Not rendered: " + FromCore(problem) + "; F5 renders it anyway");
    return;
  }
  if (composing_) {
    // The scene being written is already out of date: write the latest when it is done.
    compose_again_ = true;
    return;
  }
  if (runner_->busy()) runner_->Stop();  // an automatic render of an older edit
  error_picture_->hide();
  StartCompose(true);
}

void MainWindow::StopAutoRender() {
  auto_timer_->stop();
  compose_again_ = false;
  if (runner_->busy() && auto_running_) runner_->Stop();
  auto_running_ = false;
}

void MainWindow::StartCompose(bool automatic) {
  composing_ = true;
  compose_automatic_ = automatic;
  render_started_ms_ = QDateTime::currentMSecsSinceEpoch();
  // The scene is written from a copy on a worker thread, so typing never waits for it.
  auto copy = std::make_shared<ParameterSet>(set_);
  if (automatic) {
    // The picture fills the preview, in the proportions F5 renders at.
    const int w = QString::fromStdString(set_.Text("edImageW")).toInt();
    const int h = QString::fromStdString(set_.Text("edImageH")).toInt();
    const QSize fit = preview_->FittingSize(w > 0 ? w : 4, h > 0 ? h : 3)
                          .boundedTo(QSize(4000, 4000))
                          .expandedTo(QSize(32, 24));
    copy->SetText("edImageW", std::to_string(fit.width()));
    copy->SetText("edImageH", std::to_string(fit.height()));
  }
  RenderSetup setup;
  setup.povray_path = povray_path_;
  setup.folder = folder_;
  setup.include_dirs = include_dirs_;
  QPointer<MainWindow> self(this);
  QThreadPool::globalInstance()->start([self, copy, setup] {
    auto prepared = std::make_shared<PreparedRender>(PrepareRender(*copy, setup));
    QMetaObject::invokeMethod(
        qApp,
        [self, prepared] {
          if (self) self->ComposeDone(std::move(*prepared));
        },
        Qt::QueuedConnection);
  });
}

void MainWindow::ComposeDone(PreparedRender prepared) {
  composing_ = false;
  const bool automatic = compose_automatic_;
  if (automatic && (compose_again_ || !auto_render_->isChecked() || after_compose_)) {
    compose_again_ = false;
    if (after_compose_) {
      std::exchange(after_compose_, {})();
    } else if (auto_render_->isChecked()) {
      StartCompose(true);
    }
    return;
  }
  if (!automatic && std::exchange(compose_cancelled_, false)) {
    LockDesign(false);
    statusBar()->showMessage("Rendering cancelled");
    emit RenderDone(false);
    return;
  }
  if (!prepared.switched_off.empty()) {
    ApplySwitchesTurnedOff(prepared.switched_off, set_);
    RefreshFields();
  }
  if (automatic) {
    // Nothing pops up while the user edits: the status bar says what stopped the picture.
    QString problem;
    if (!prepared.status.ok())
      problem = FromCore(prepared.status.message());
    else if (!prepared.renderer_problem.empty())
      problem = FromCore(prepared.renderer_problem);
    else if (!prepared.warnings.empty())
      statusBar()->showMessage(FromCore(prepared.warnings.front()));
    if (!problem.isEmpty()) {
      statusBar()->showMessage(problem);
      return;
    }
    auto_running_ = true;
    runner_->Start(prepared.invocation);
    // A render that takes its time shows its progress and a Cancel, the design
    // still open to edits; a quick one does not flicker them.
    QTimer::singleShot(kSlowAutoRenderMs, this, [this] {
      if (!auto_running_ || !runner_->busy()) return;
      statusBar()->showMessage("Rendering the picture ...");
      ShowRenderProgress(progress_, cancel_, true);
    });
    return;
  }
  // The seconds a box stays open are the user's, not the render's.
  const qint64 asking_from = QDateTime::currentMSecsSinceEpoch();
  ShowWarnings(prepared.warnings);
  if (!prepared.status.ok()) {
    LockDesign(false);
    prompts_->Error(this, FromCore(prepared.status.message()));
    return;
  }
  if (!EstimateGoesOn()) {
    LockDesign(false);
    return;
  }
  render_started_ms_ += QDateTime::currentMSecsSinceEpoch() - asking_from;
  if (!prepared.renderer_problem.empty()) {
    LockDesign(false);
    ShowFailure(FromCore(prepared.renderer_problem));
    return;
  }
  statusBar()->showMessage("Rendering ...");
  auto_running_ = false;
  runner_->Start(prepared.invocation);
}

bool MainWindow::RunVisibleEngine() {
  QWidget* page = pages_->currentWidget();
  if (!page || page->objectName() != "TabFeatures") return true;
  auto* sub_pages = qobject_cast<QTabWidget*>(page);  // a page with sub-pages is their tabs
  if (!sub_pages || !sub_pages->currentWidget()) return true;
  const QString shown = sub_pages->currentWidget()->objectName();
  EngineOptions options;
  options.program_folder = folder_;
  options.locks = &locks_;
  EngineResult result;
  if (shown == "TabFeaturesRandom") {
    result = RunRandomEngine(set_, options);
  } else if (shown == "TabFeaturesEvolve") {
    result = RunEvolve(set_, options);
  } else if (shown == "TabFeaturesMutate") {
    result = RunMutate(set_, options);
  } else {
    return true;
  }
  RefreshFields();
  RecordStep(shown);
  ShowWarnings(result.warnings);
  if (!result.status.ok()) {
    prompts_->Error(this, FromCore(result.status.message()));
    return false;
  }
  return true;
}

bool MainWindow::EstimateGoesOn() {
  if (!estimate_->isChecked()) return true;
  set_.SetText("edOpmerking", " ");
  const ObjectEstimate estimate = EstimateObjects(set_);
  if (!estimate.status.ok()) {
    prompts_->Error(this, FromCore(estimate.status.message()));
    return false;
  }
  if (!estimate.remark.empty()) set_.SetText("edOpmerking", estimate.remark);
  RefreshFields();
  QString question = FromCore(estimate.Question());
  if (!estimate.warning.empty()) question += "\n" + FromCore(estimate.warning);
  return prompts_->Ask(this, question);
}

void MainWindow::CancelRender() {
  if (composing_ && !compose_automatic_) compose_cancelled_ = true;
  after_compose_ = {};
  runner_->Cancel();
  animation_->Stop();
}

void MainWindow::LockDesign(bool locked) {
  for (int i = 0; i < pages_->count(); ++i) {
    if (pages_->widget(i) != output_page_) pages_->widget(i)->setEnabled(!locked);
  }
  side_->setEnabled(!locked);
  for (QAction* action : locked_actions_) action->setEnabled(!locked);
  ShowRenderProgress(progress_, cancel_, locked);
}

void MainWindow::ShowMessages(const QString& text, bool error, bool to_front) {
  const int out = pages_->indexOf(output_page_);
  pages_->setTabVisible(out, true);
  memo_->setPlainText(text);
  if (error) {
    error_picture_->show();
    error_picture_->raise();
    if (to_front) pages_->setCurrentIndex(out);
  }
}

void MainWindow::ShowFailure(const QString& text) {
  statusBar()->showMessage(text);
  ShowMessages(text, true);
}

void MainWindow::RenderFinished(const RenderOutcome& outcome) {
  const bool automatic = auto_running_;
  auto_running_ = false;
  if (!automatic) LockDesign(false);
  if (automatic && !rendering()) ShowRenderProgress(progress_, cancel_, false);
  const QString picture = FromCore(WorkingFilePath(folder_, kPictureFile));
  bool shown = false;
  if (outcome.image_written) {
    QPixmap pixmap;
    if (pixmap.load(picture)) {
      preview_->ShowPicture(pixmap);
      shown = true;
    }
  }
  const std::vector<std::string> lines = MessageLines(outcome.messages);
  const bool error_line = FirstErrorLine(lines) >= 0;
  if (!outcome.messages.empty() ||
      QFile::exists(FromCore(WorkingFilePath(folder_, kMessagesFile)))) {
    ShowMessages(FromCore(outcome.messages), error_line, !automatic);
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
    if (const std::string problem = FirstEntryProblem(set_); !problem.empty()) {
      done += ", but " + FromCore(problem);
    } else if (const std::vector<PartRangeProblem> ranges = PartRangeProblems(set_);
               !ranges.empty()) {
      done += ", but " + FromCore(ranges.front().message);
    }
    statusBar()->showMessage(done);
  } else if (automatic) {
    if (error_line) error_picture_->show();
    statusBar()->showMessage(error_line ? "POV-Ray reported an error: see the Output page"
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
      ShowMessages(text, true);
    }
    statusBar()->showMessage(failure);
  }
  emit RenderDone(outcome.ok() && shown);
}

}  // namespace vermora::app
