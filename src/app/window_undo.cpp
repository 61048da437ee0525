// Undo keeps whole sets: the state before each step is pushed, and a run of
// edits in one field folds into a single step.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "main_window.h"

namespace vermora::app {

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
  UpdateUndoActions();
}

void MainWindow::RecordStep(const QString& label) {
  history_.Record(shown_);
  shown_ = set_;
  UpdateUndoActions();
  if (!label.isEmpty()) statusBar()->showMessage(label);
}

void MainWindow::Undo() {
  if (rendering() || !history_.Undo(set_)) return;
  shown_ = set_;
  RefreshFields();
  UpdateUndoActions();
}

void MainWindow::Redo() {
  if (rendering() || !history_.Redo(set_)) return;
  shown_ = set_;
  RefreshFields();
  UpdateUndoActions();
}

void MainWindow::UpdateUndoActions() {
  if (undo_) undo_->setEnabled(history_.CanUndo());
  if (redo_) redo_->setEnabled(history_.CanRedo());
}

}  // namespace vermora::app
