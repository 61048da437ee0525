#pragma once

#include <string>

#include "common/status.h"
#include "params/parameter_set.h"

namespace vermora {

// A rough count of the primitives a scene of the set holds, from the
// parameters alone, asked before rendering when "Estimation of used objects"
// is checked.
struct [[nodiscard]] ObjectEstimate {
  Status status = Status::Ok();  // bad number text or a division by zero
  double objects = 0;
  std::string text;     // "12,345"
  std::string remark;   // for edOpmerking; empty when no external objects
  std::string warning;  // set when the scene is too large to render
  // "Your Thing contains ca. 12,345 objects." and the remark and "Continue ?".
  std::string Question() const;
};

// Above this many objects POV-Ray runs out of memory or time: the limit a user
// can raise (the window's "Object limit", the CLI's --max-objects).
inline constexpr double kTooManyObjects = 2000000;

ObjectEstimate EstimateObjects(const ParameterSet& set);

// Whole number with "," between thousands, no decimals.
std::string GroupedWhole(double value);

// The primitives an object field stands for, by the last library name in it;
// `external` is set when it names none.
double PiecesOf(const std::string& field, bool* external = nullptr);

}  // namespace vermora
