#include "params/parameter_set.h"

#include <stdexcept>

#include "common/random.h"
#include "params/param_table.h"
#include "params/value_codec.h"

namespace vermora {
namespace {

// Constant-initialised, so it is null before any installer runs.
constinit ParameterSet::ChangeRule installed_rule = nullptr;

const std::unordered_map<std::string, size_t>& NameIndex() {
  static const auto index = [] {
    std::unordered_map<std::string, size_t> map;
    const auto table = ParamTable();
    for (size_t i = 0; i < table.size(); ++i) map.emplace(LowerAscii(table[i].name), i);
    return map;
  }();
  return index;
}

}  // namespace

UnknownParameter::UnknownParameter(std::string_view unknown)
    : CommandError{"unknown parameter " + std::string(unknown)}, name(unknown) {}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

ParameterSet::ParameterSet() {
  const auto table = ParamTable();
  values_.reserve(table.size());
  for (const ParamDef& def : table) {
    ParamValue value;
    // Defaults are written in the file encoding, so they cannot fail to decode.
    (void)DecodeValue(def, def.value, value);
    values_.push_back(std::move(value));
  }
}

ParameterSet::ParameterSet(const ParameterSet& other) : values_(other.values_) {}

ParameterSet& ParameterSet::operator=(const ParameterSet& other) {
  // The observer and the generator stay this set's own.
  if (this != &other) values_ = other.values_;
  return *this;
}

void ParameterSet::UseGenerator(Random* random, const Clock* clock) {
  random_ = random;
  clock_ = clock;
}

int ParameterSet::Find(std::string_view name) const {
  const auto& index = NameIndex();
  auto it = index.find(LowerAscii(name));
  return it == index.end() ? -1 : static_cast<int>(it->second);
}

const ParamDef& ParameterSet::def(size_t i) const { return ParamTable()[i]; }

size_t ParameterSet::Require(std::string_view name) const {
  const int i = Find(name);
  if (i < 0) throw UnknownParameter(name);
  return static_cast<size_t>(i);
}

const std::string& ParameterSet::Text(std::string_view name) const {
  return values_[Require(name)].text;
}
bool ParameterSet::On(std::string_view name) const { return values_[Require(name)].on; }
int ParameterSet::Index(std::string_view name) const { return values_[Require(name)].index; }
int ParameterSet::Tag(std::string_view name) const { return values_[Require(name)].tag; }
const Grid& ParameterSet::GridValue(std::string_view name) const {
  return values_[Require(name)].grid;
}

void ParameterSet::SetText(std::string_view name, std::string text) {
  values_[Require(name)].text = std::move(text);
}

void ParameterSet::SetOn(std::string_view name, bool on) {
  const size_t i = Require(name);
  if (IsCommandButton(def(i))) return;  // a command button is always up
  if (values_[i].on == on) return;
  values_[i].on = on;
  Changed(i);
}

void ParameterSet::SetIndex(std::string_view name, int index) {
  const size_t i = Require(name);
  index = ClampIndex(def(i), index);
  if (values_[i].index == index) return;
  values_[i].index = index;
  if (def(i).kind == ParamKind::kChoice) Changed(i);
}

void ParameterSet::SetTag(std::string_view name, int tag) { values_[Require(name)].tag = tag; }

void ParameterSet::SetGrid(std::string_view name, Grid grid) {
  values_[Require(name)].grid = std::move(grid);
}

void ParameterSet::SetValue(size_t i, ParamValue value) {
  const ParamKind kind = def(i).kind;
  if (IsCommandButton(def(i))) value.on = false;
  value.index = ClampIndex(def(i), value.index);
  const bool changed = (kind == ParamKind::kSwitch && values_[i].on != value.on) ||
                       (kind == ParamKind::kChoice && values_[i].index != value.index);
  values_[i] = std::move(value);
  if (changed) Changed(i);
}

void ParameterSet::TakeValues(const ParameterSet& from) {
  // A rule may reset fields that come earlier in the table than its switch, or
  // turn another switch; a few passes settle both. Rules only ever move values
  // towards a state `from` already satisfies, so this ends.
  for (int pass = 0; pass < 4 && !(from == *this); ++pass) {
    for (size_t i = 0; i < from.size(); ++i) {
      if (!(from.value(i) == values_[i])) SetValue(i, from.value(i));
    }
  }
}

void ParameterSet::InstallChangeRule(ChangeRule rule) { installed_rule = rule; }

void ParameterSet::Changed(size_t i) {
  if (!installed_rule) throw std::logic_error("ParameterSet: no change rule installed");
  static SystemClock system_clock;
  installed_rule(*this, i, random_ ? *random_ : ProgramRandom(),
                 clock_ ? *clock_ : static_cast<const Clock&>(system_clock));
  if (observer_) observer_(*this, i);
}

}  // namespace vermora
