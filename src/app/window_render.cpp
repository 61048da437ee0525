// The render command: the scene goes to the program folder, POV-Ray runs as a child
// process while the window stays up with its design locked, then the picture and
// the messages come back.
#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "animation_runner.h"
#include "main_window.h"
#include "params/working_files.h"
#include "render/render_command.h"
#include "scene/composer.h"
#include "scene/object_count.h"
#include "render_runner.h"
#include "variation/evolve.h"
#include "variation/mutate.h"
#include "render/file_directives.h"
#include "variation/random_engine.h"

namespace vermora::app {

bool MainWindow::TrustedToRender() {
  if (!untrusted_) return true;
  const std::vector<FileDirective> found = FindFileDirectives(set_, include_dirs_);
  if (!found.empty() &&
      !prompts_->Ask(this, FromCore(FileDirectivesText(found) + "\n\nRender it anyway ?"))) {
    return false;
  }
  untrusted_ = false;
  return true;
}

void MainWindow::RenderScene() {
  if (rendering()) {
    statusBar()->showMessage("A render is already running");
    return;
  }
  if (!TrustedToRender()) return;
  if (set_.On("chkAnim") && !set_.On("chkRendThingA")) {
    animation_->RunSeries();
    return;
  }
  error_picture_->hide();
  if (!RunVisibleEngine()) return;
  render_started_ms_ = QDateTime::currentMSecsSinceEpoch();

  RenderSetup setup;
  setup.povray_path = povray_path_;
  setup.folder = folder_;
  setup.include_dirs = include_dirs_;
  const PreparedRender prepared = PrepareRender(set_, setup);
  ShowWarnings(prepared.warnings);
  if (!prepared.switched_off.empty()) {
    ApplySwitchesTurnedOff(prepared.switched_off, set_);
    RefreshFields();
  }
  if (!prepared.status.ok()) {
    prompts_->Error(this, FromCore(prepared.status.message()));
    return;
  }
  if (!EstimateGoesOn()) return;
  if (!prepared.renderer_problem.empty()) {
    ShowFailure(FromCore(prepared.renderer_problem));
    return;
  }
  LockDesign(true);
  statusBar()->showMessage("Rendering ...");
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
  runner_->Cancel();
  animation_->Stop();
}

void MainWindow::LockDesign(bool locked) {
  for (int i = 0; i < pages_->count(); ++i) {
    if (pages_->widget(i) != output_page_) pages_->widget(i)->setEnabled(!locked);
  }
  side_->setEnabled(!locked);
  for (QAction* action : locked_actions_) action->setEnabled(!locked);
  progress_->setRange(0, 0);  // busy until the first progress line
  progress_->setVisible(locked);
  cancel_->setVisible(locked);
}

void MainWindow::ShowMessages(const QString& text, bool error) {
  const int out = pages_->indexOf(output_page_);
  pages_->setTabVisible(out, true);
  memo_->setPlainText(text);
  if (error) {
    error_picture_->show();
    error_picture_->raise();
    pages_->setCurrentIndex(out);
  }
}

void MainWindow::ShowFailure(const QString& text) {
  statusBar()->showMessage(text);
  ShowMessages(text, true);
}

void MainWindow::RenderFinished(const RenderOutcome& outcome) {
  LockDesign(false);
  const QString picture = FromCore(WorkingFilePath(folder_, kPictureFile));
  bool shown = false;
  if (outcome.image_written) {
    QPixmap pixmap;
    if (pixmap.load(picture)) {
      preview_->setPixmap(pixmap);
      shown = true;
    }
  }
  const std::vector<std::string> lines = MessageLines(outcome.messages);
  const bool error_line = FirstErrorLine(lines) >= 0;
  if (!outcome.messages.empty() || QFile::exists(FromCore(WorkingFilePath(folder_, kMessagesFile)))) {
    ShowMessages(FromCore(outcome.messages), error_line);
  }
  const qint64 took = QDateTime::currentMSecsSinceEpoch() - render_started_ms_;
  if (outcome.ok() && shown) {
    statusBar()->showMessage(QString("Rendered in %1 ms").arg(took));
  } else {
    QString failure = FromCore(outcome.ok() ? "The picture could not be read" : outcome.failure);
    if (!error_line) {
      // Nothing in the messages says what went wrong: put it where the user looks.
      QString text = failure;
      if (!outcome.messages.empty()) text += "\n\n" + FromCore(outcome.messages);
      else if (!outcome.output.empty()) text += "\n\n" + FromCore(outcome.output);
      ShowMessages(text, true);
    }
    statusBar()->showMessage(failure);
  }
  emit RenderDone(outcome.ok() && shown);
}

}  // namespace vermora::app
