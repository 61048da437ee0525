#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "params/parameter_set.h"

class QWidget;

namespace vermora::app {

// One control bound to one parameter of the set. The control shows the set's value
// and writes every edit straight back; it keeps no value of its own.
struct Field {
  QWidget* widget = nullptr;
  bool labelled = false;          // the control shows its own label (switch, choice)
  std::function<void()> refresh;  // shows the set's current value, without echo
};

// The object name of the mark an entry field shows while its value is unusable;
// its hint says what is needed.
inline constexpr const char* kEntryProblemMark = "EntryProblem";

// Called after the user changed parameter `index` through its control.
using EditedFn = std::function<void(size_t index)>;

// The one factory per parameter kind; the object name is the control name, so a
// field is found by the name the settings file uses.
Field MakeField(ParameterSet& set, size_t index, const EditedFn& edited, QWidget* parent);

// The label text shown beside a control: the table's label, capitalised.
QString FieldLabel(std::string_view label);

}  // namespace vermora::app
