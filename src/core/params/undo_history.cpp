#include "params/undo_history.h"

namespace vermora {

void UndoHistory::Record(const ParameterSet& before, const std::string& field) {
  redo_.clear();
  if (!field.empty() && field == last_field_ && !undo_.empty()) return;
  last_field_ = field;
  undo_.push_back(before);
  while (undo_.size() > limit_) undo_.pop_front();
}

bool UndoHistory::Undo(ParameterSet& current) {
  if (undo_.empty()) return false;
  redo_.push_back(current);
  current = undo_.back();
  undo_.pop_back();
  last_field_.clear();
  return true;
}

bool UndoHistory::Redo(ParameterSet& current) {
  if (redo_.empty()) return false;
  undo_.push_back(current);
  current = redo_.back();
  redo_.pop_back();
  last_field_.clear();
  return true;
}

}  // namespace vermora
