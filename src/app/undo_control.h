#pragma once

#include <QObject>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "params/parameter_set.h"
#include "params/undo_history.h"

class QAction;
class QMenuBar;

namespace vermora::app {

class Design;

// Undo and redo of the Edit menu. Undo keeps whole sets: the state before each
// step is pushed, and a run of edits in one field folds into a single step. The
// engines' kept parents are restored with the set, so the next step starts right.
class UndoControl : public QObject {
  Q_OBJECT

 public:
  // Adds the Edit menu to `menus`.
  UndoControl(Design& design, QMenuBar* menus, QObject* parent);

  // The set on show is the state the first undo returns to.
  void Start();
  // An edit of one field; edits of the same field in a row are one step.
  void RecordEdit(const std::string& field);
  // A change of the whole set (a load, an engine step): one step.
  void RecordStep();
  // The set differs from the last step's.
  bool HasChanges();
  void Undo();
  void Redo();

 signals:
  // An undo or redo put an earlier set back.
  void Restored();

 private:
  using Files = std::vector<std::pair<std::string, std::optional<std::string>>>;
  void PushFiles(bool coalesced);
  // After the set went back or forth: the files of `from` come back, the present ones go to `to`.
  void Restore(std::vector<Files>& from, std::vector<Files>& to);
  void UpdateActions();

  Design& design_;
  UndoHistory history_;
  ParameterSet shown_;  // the set as of the last step, the state an undo returns to
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  std::vector<Files> undo_files_, redo_files_;
  Files shown_files_;
  std::string last_field_;
};

}  // namespace vermora::app
