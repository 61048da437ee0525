#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "params/number_reading.h"
#include "params/param_def.h"

namespace vermora {

// The string grid's contents: row count, column count and one text per cell.
struct Grid {
  int rows = 0;
  int cols = 0;
  std::vector<std::string> cells;  // row-major, rows * cols texts

  const std::string& cell(int col, int row) const { return cells[row * cols + col]; }
  bool operator==(const Grid&) const = default;
};

// One parameter's state, the control's own: an entry field's text, a switch's
// state, a choice's or list's index with its tag, a slider's position, the grid.
struct ParamValue {
  std::string text;
  bool on = false;
  int index = -1;  // choice / list item, slider position
  int tag = 0;
  Grid grid;
  bool operator==(const ParamValue&) const = default;
};

class Clock;
class Random;

// Thrown by the readers and writers by name for a name the table does not hold:
// a misspelt name in the program. It is a CommandError, so the command's entry
// point (a compose, an engine, a frame series) reports it as that command's
// failure, "unknown parameter NAME", and the CLI and window catch what is left.
struct UnknownParameter : CommandError {
  explicit UnknownParameter(std::string_view name);
  std::string name;
};

// Every parameter of a design under its control name, starting from the table's
// defaults. Nothing else holds a copy of a design: generators read from here at
// the moment they write, engines and the loader write back here.
//
// Every set runs the form's change rules (the resets, copies and exclusive
// partners a switch or choice sets when it changes, and the background rules):
// whoever holds a set, a loader, an engine or a copy meets them, as after a
// click. Copies keep the rules but not the observer, so a copy never reaches
// the window that watches the original.
class ParameterSet {
 public:
  ParameterSet();
  ParameterSet(const ParameterSet& other);
  ParameterSet& operator=(const ParameterSet& other);

  // Index into ParamTable(), or -1. Names match without regard to case.
  int Find(std::string_view name) const;
  size_t size() const { return values_.size(); }
  const ParamDef& def(size_t i) const;
  const ParamValue& value(size_t i) const { return values_[i]; }

  // Readers and writers by name. An unknown name is a programming error and
  // throws UnknownParameter, so a misspelt name cannot pass silently.
  const std::string& Text(std::string_view name) const;
  bool On(std::string_view name) const;
  int Index(std::string_view name) const;
  int Tag(std::string_view name) const;
  const Grid& GridValue(std::string_view name) const;

  void SetText(std::string_view name, std::string text);
  // A switch, choice or toggle set to a state it does not already have runs its
  // change rule, as a click would, and then tells the observer.
  void SetOn(std::string_view name, bool on);
  void SetIndex(std::string_view name, int index);
  void SetTag(std::string_view name, int tag);
  void SetGrid(std::string_view name, Grid grid);

  // What a set runs after parameter `index`, a switch or choice, changed state.
  // The rules belong to a layer above this one, so that layer hands them down:
  // form/change_rule.cpp installs ApplyChangeRule for every set of the program
  // before main() runs, and the core's CMakeLists links that file into every
  // program that links the core. One rule for all sets, as there is one form;
  // a set that changes state with no rule installed throws std::logic_error.
  using ChangeRule = void (*)(ParameterSet& set, size_t index, Random& random, const Clock& clock);
  static void InstallChangeRule(ChangeRule rule);

  // Called with the parameter's table index after a switch or choice changed
  // and its rule ran: how a window follows the set. Not copied with the set.
  using Observer = std::function<void(ParameterSet&, size_t)>;
  void SetObserver(Observer observer) { observer_ = std::move(observer); }

  // The generator and clock of the rules that draw (a new height-field seed);
  // the program's own generator and the system clock when null. Not copied:
  // a copy draws from the program's generator. Both must outlive their use.
  void UseGenerator(Random* random, const Clock* clock);
  Random* generator() const { return random_; }
  const Clock* clock() const { return clock_; }

  // Whole-value access for the loader, the window and the engines.
  void SetValue(size_t i, ParamValue value);
  // Makes this set hold the values of `from`, running the rules of each switch
  // and choice that changes. Values a rule resets are put back afterwards, so
  // the set ends equal to `from`.
  void TakeValues(const ParameterSet& from);

  bool operator==(const ParameterSet& other) const { return values_ == other.values_; }

 private:
  size_t Require(std::string_view name) const;
  void Changed(size_t i);

  std::vector<ParamValue> values_;
  Observer observer_;
  Random* random_ = nullptr;
  const Clock* clock_ = nullptr;
};

// Lower-cases ASCII letters, for the case-blind name matching of files.
std::string LowerAscii(std::string_view text);

}  // namespace vermora
