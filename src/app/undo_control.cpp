#include "undo_control.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/file_io.h"
#include "design.h"
#include "params/working_files.h"

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

void RestoreFiles(const std::string& folder, const Files& files) {
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

UndoControl::UndoControl(Design& design, QMenuBar* menus, QObject* parent)
    : QObject(parent), design_(design) {
  QMenu* edit = menus->addMenu("&Edit");
  undo_ = edit->addAction("Undo");
  undo_->setObjectName("Undo");
  undo_->setShortcut(QKeySequence("Ctrl+Z"));
  connect(undo_, &QAction::triggered, this, &UndoControl::Undo);
  redo_ = edit->addAction("Redo");
  redo_->setObjectName("Redo");
  redo_->setShortcut(QKeySequence("Ctrl+Shift+Z"));
  connect(redo_, &QAction::triggered, this, &UndoControl::Redo);
  shown_files_ = Snapshot(design_.folder());
  UpdateActions();
}

void UndoControl::Start() {
  shown_ = design_.set();
  PushFiles(true);  // the working files as the first step finds them
}

void UndoControl::PushFiles(bool coalesced) {
  if (!coalesced) {
    undo_files_.push_back(shown_files_);
    if (undo_files_.size() > 100) undo_files_.erase(undo_files_.begin());
  }
  redo_files_.clear();
  shown_files_ = Snapshot(design_.folder());
}

void UndoControl::RecordEdit(const std::string& field) {
  PushFiles(field == last_field_);
  last_field_ = field;
  history_.Record(shown_, field);
  shown_ = design_.set();
  UpdateActions();
}

void UndoControl::RecordStep() {
  PushFiles(false);
  last_field_.clear();
  history_.Record(shown_);
  shown_ = design_.set();
  UpdateActions();
}

bool UndoControl::HasChanges() { return !(design_.set() == shown_); }

void UndoControl::Undo() {
  if (design_.rendering() || !history_.Undo(design_.set())) return;
  Restore(undo_files_, redo_files_);
}

void UndoControl::Redo() {
  if (design_.rendering() || !history_.Redo(design_.set())) return;
  Restore(redo_files_, undo_files_);
}

void UndoControl::Restore(std::vector<Files>& from, std::vector<Files>& to) {
  // The kept parents go back with the set they belong to.
  if (!from.empty()) {
    to.push_back(Snapshot(design_.folder()));
    RestoreFiles(design_.folder(), from.back());
    from.pop_back();
  }
  shown_ = design_.set();
  last_field_.clear();
  shown_files_ = Snapshot(design_.folder());
  design_.RefreshFields();
  UpdateActions();
  emit Restored();
}

void UndoControl::UpdateActions() {
  undo_->setEnabled(history_.CanUndo());
  redo_->setEnabled(history_.CanRedo());
}

}  // namespace vermora::app
