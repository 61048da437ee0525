#include "common/status.h"

namespace vermora {

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && message.back() == '.') return message;
  return message + ".";
}

}  // namespace vermora
