#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "params/number_reading.h"
#include "params/parameter_set.h"

namespace vermora {

// How generators read parameters: numbers through the number reading (bad text
// becomes a warning and reads as 0, and the command goes on), integers through
// the integer reading (bad text ends the command with its error).
class ParamReader {
 public:
  ParamReader(const ParameterSet& set, Diagnostics& diagnostics)
      : set_(set), diagnostics_(diagnostics) {}

  float Number(std::string_view name) const;
  // REQUIRES: called inside a command entry point that catches CommandError.
  std::int32_t Integer(std::string_view name) const;
  const std::string& Text(std::string_view name) const { return set_.Text(name); }
  bool On(std::string_view name) const { return set_.On(name); }
  int Index(std::string_view name) const { return set_.Index(name); }

  const ParameterSet& set() const { return set_; }
  Diagnostics& diagnostics() const { return diagnostics_; }

 private:
  const ParameterSet& set_;
  Diagnostics& diagnostics_;
};

// Three field texts joined by ", ", as in "<x, y, z>": vectors typed by the user
// go into the scene as they stand.
inline std::string Triple(const ParamReader& p, const char* x, const char* y, const char* z) {
  return p.Text(x) + ", " + p.Text(y) + ", " + p.Text(z);
}

}  // namespace vermora
