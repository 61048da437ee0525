#include "anim/grow_in.h"

#include <cmath>
#include <string_view>

namespace vermora {
namespace {

// The two counts whose members are never spread round a ring keep no frozen count.
bool KeepsFrozenCount(std::string_view ring) { return ring != "EdTrNumber" && ring != "EdANumber"; }

}  // namespace

void GrowInState::SetCounts(const std::string& ring, float start, float end) {
  Entry& e = rings_[ring];
  e.start = start;
  e.end = end;
}

void GrowInState::WroteCount(const std::string& ring, float V) {
  Entry& e = rings_[ring];
  e.grow_in = V - std::trunc(V);
  if (KeepsFrozenCount(ring)) e.frozen = V;
}

RingAnimation GrowInState::Ring(const char* ring) const {
  const auto it = rings_.find(std::string_view(ring));
  if (it == rings_.end()) return {};
  return {it->second.grow_in, it->second.start, it->second.end};
}

float GrowInState::Freeze(const char* ring, float count) {
  Entry& e = rings_[ring];
  if (e.frozen == 0) e.frozen = count;
  return e.frozen;
}

}  // namespace vermora
