#pragma once

#include <cstdint>

namespace vermora {

// Where "now" comes from, so that every clock re-seed can be fixed in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  // ((hour * 60 + minute) * 60 + second) * 1000 + millisecond of the current UTC time.
  virtual std::uint32_t MillisecondsOfDayUtc() const = 0;
};

class SystemClock final : public Clock {
 public:
  std::uint32_t MillisecondsOfDayUtc() const override;
};

// A clock that always reads the same time: how a run is made reproducible
// (tests, and the command line's --seed).
class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::uint32_t ms = 0) : ms_(ms) {}
  std::uint32_t MillisecondsOfDayUtc() const override { return ms_; }

 private:
  std::uint32_t ms_;
};

// The program's one random generator: a 32-bit linear congruential sequence,
// state = state * 134775813 + 1 (mod 2^32). Not good randomness, but it is the
// sequence every stored design and seeded test relies on.
class Random {
 public:
  explicit Random(std::uint32_t seed = 0) : state_(seed) {}

  void Seed(std::uint32_t seed) { state_ = seed; }
  void ReseedFromClock(const Clock& clock) { state_ = clock.MillisecondsOfDayUtc(); }
  std::uint32_t state() const { return state_; }

  // A fraction in [0, 1).
  double Next() {
    state_ = state_ * 134775813u + 1u;
    return state_ / 4294967296.0;
  }
  // A whole number in [0, range), by truncation. REQUIRES: range > 0.
  int Below(int range) { return static_cast<int>(Next() * range); }

 private:
  std::uint32_t state_;
};

// The program's one generator, drawn from by rules of sets given no other.
Random& ProgramRandom();

}  // namespace vermora
