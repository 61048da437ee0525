#include "params/param_reader.h"

namespace vermora {

float ParamReader::Number(std::string_view name) const {
  const std::string& text = set_.Text(name);
  if (auto value = ParseNumber(text)) return *value;
  diagnostics_.Warn(BadNumberMessage(text));
  return 0.0f;
}

std::int32_t ParamReader::Integer(std::string_view name) const {
  const std::string& text = set_.Text(name);
  if (auto value = ParseInteger(text)) return *value;
  throw CommandError{BadIntegerMessage(text)};
}

}  // namespace vermora
