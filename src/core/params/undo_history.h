#pragma once

#include <deque>
#include <string>

#include "params/parameter_set.h"

namespace vermora {

// In-memory undo/redo of whole parameter sets. A run of edits recorded under
// the same non-empty field key becomes one step, so a drag or a run of typing
// undoes at once.
class UndoHistory {
 public:
  explicit UndoHistory(size_t limit = 100) : limit_(limit < 1 ? 1 : limit) {}

  // Call before a change with the set as it is; `field` names the edited
  // field, or is empty for a step that never coalesces (load, engine step).
  void Record(const ParameterSet& before, const std::string& field = {});
  // Ends a coalescing run, e.g. when a field loses focus.
  void Seal() { last_field_.clear(); }

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Swap `current` with the neighbouring state; false when there is none.
  bool Undo(ParameterSet& current);
  bool Redo(ParameterSet& current);
  size_t UndoSteps() const { return undo_.size(); }

 private:
  size_t limit_;
  std::deque<ParameterSet> undo_;
  std::deque<ParameterSet> redo_;
  std::string last_field_;
};

}  // namespace vermora
