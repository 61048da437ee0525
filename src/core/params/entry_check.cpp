#include "params/entry_check.h"

#include <cctype>

#include "params/number_reading.h"
#include "params/page_path.h"
#include "params/parameter_set.h"

namespace vermora {

bool ValidPictureSide(std::string_view text) {
  if (text.empty() || text.size() > 5 || text[0] == '0') return false;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value >= 1 && value <= kLargestPictureSide;
}

std::string EntryProblem(const ParamDef& def, std::string_view text) {
  if (def.name == "edImageW" || def.name == "edImageH") {
    if (ValidPictureSide(text)) return {};
    return "A whole number of pixels from 1 to " + std::to_string(kLargestPictureSide) +
           " is needed here";
  }
  if (def.kind == ParamKind::kNumber && !ParseNumber(text))
    return "A number is needed here, such as 12 or 0.5";
  if (def.kind == ParamKind::kInteger && !ParseInteger(text))
    return "A whole number is needed here, such as 12";
  return {};
}

std::string FirstEntryProblem(const ParameterSet& set) {
  for (size_t i = 0; i < set.size(); ++i) {
    if (!IsEntryField(set.def(i).kind) || set.def(i).hidden) continue;
    std::string problem = EntryProblem(set.def(i), set.value(i).text);
    if (problem.empty()) continue;
    problem[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(problem[0])));
    return FieldPlace(set.def(i)) + " holds \"" + set.value(i).text + "\": " + problem;
  }
  return {};
}

}  // namespace vermora
