// Undo keeps whole sets: the state before each step is pushed, and a run of
// edits in one field folds into a single step.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "main_window.h"
#include "common/file_io.h"
#include "params/working_files.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vermora::app {

namespace {

using Files = std::vector<std::pair<std::string, std::optional<std::string>>>;

Files Snapshot(const std::string& folder) {
  Files files;
  for (const char* name : {kEvolveFile, kMutateFile}) {
    std::ifstream in(folder + name, std::ios::binary);
    std::optional<std::string> content;
    if (in) {
      std::ostringstream text;
      text << in.rdbuf();
      content = text.str();
    }
    files.emplace_back(name, std::move(content));
  }
  return files;
}

void Restore(const std::string& folder, const Files& files) {
  for (const auto& [name, content] : files) {
    std::error_code ec;
    if (!content) {
      std::filesystem::remove(folder + name, ec);
      continue;
    }
    (void)WriteFileReplacing(folder + name, *content);
  }
}

}  // namespace

void MainWindow::PushFiles(bool coalesced) {
  if (!coalesced) {
    undo_files_.push_back(shown_files_);
    if (undo_files_.size() > 100) undo_files_.erase(undo_files_.begin());
  }
  redo_files_.clear();
  shown_files_ = Snapshot(folder_);
}

void MainWindow::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu("&Edit");
  undo_ = edit->addAction("Undo");
  undo_->setObjectName("Undo");
  undo_->setShortcut(QKeySequence("Ctrl+Z"));
  connect(undo_, &QAction::triggered, this, &MainWindow::Undo);
  redo_ = edit->addAction("Redo");
  redo_->setObjectName("Redo");
  redo_->setShortcut(QKeySequence("Ctrl+Shift+Z"));
  connect(redo_, &QAction::triggered, this, &MainWindow::Redo);
  shown_files_ = Snapshot(folder_);
  UpdateUndoActions();
}

void MainWindow::RecordStep(const QString& label) {
  PushFiles(false);
  last_field_.clear();
  history_.Record(shown_);
  shown_ = set_;
  UpdateUndoActions();
  NoteOffspring(label);
  if (!label.isEmpty()) statusBar()->showMessage(label);
  ScheduleAutoRender();
}

void MainWindow::Undo() {
  if (rendering() || !history_.Undo(set_)) return;
  shown_ = set_;
  last_field_.clear();
  if (!undo_files_.empty()) {
    redo_files_.push_back(Snapshot(folder_));
    Restore(folder_, undo_files_.back());
    undo_files_.pop_back();
  }
  shown_files_ = Snapshot(folder_);
  RefreshFields();
  UpdateUndoActions();
  ScheduleAutoRender();
}

void MainWindow::Redo() {
  if (rendering() || !history_.Redo(set_)) return;
  shown_ = set_;
  last_field_.clear();
  if (!redo_files_.empty()) {
    undo_files_.push_back(Snapshot(folder_));
    Restore(folder_, redo_files_.back());
    redo_files_.pop_back();
  }
  shown_files_ = Snapshot(folder_);
  RefreshFields();
  UpdateUndoActions();
  ScheduleAutoRender();
}

void MainWindow::UpdateUndoActions() {
  if (undo_) undo_->setEnabled(history_.CanUndo());
  if (redo_) redo_->setEnabled(history_.CanRedo());
}

}  // namespace vermora::app
