#include "common/random.h"

#include <chrono>

namespace vermora {

std::uint32_t SystemClock::MillisecondsOfDayUtc() const {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto since_midnight = now - floor<days>(now);
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(since_midnight).count());
}

Random& ProgramRandom() {
  static Random random;
  return random;
}

}  // namespace vermora
