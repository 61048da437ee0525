#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/random.h"
#include "common/status.h"
#include "params/number_reading.h"
#include "params/parameter_set.h"

namespace vermora {

class GeneLocks;

// What every variation engine is given. The engines re-seed `random` from
// `clock` at their start, so a fixed clock gives a reproducible result.
//
// Switches and choices are written through ParameterSet::SetOn / SetIndex, so
// the set's change rules run for every switch an engine turns, at the moment it
// turns, as after a click, drawing from the engine's generator and clock.
struct EngineOptions {
  Random* random = nullptr;      // the program's generator; a private one when null
  const Clock* clock = nullptr;  // the system clock when null
  // Home of "_evolve.vmx" and "_mutate.vmx"; ProgramFolder() when empty.
  std::string program_folder;
  // Parameters every engine leaves as they were; none when null.
  const GeneLocks* locks = nullptr;
};

// The outcome of one engine run: ok or the failure to show, and the warnings of
// fields that did not hold numbers. A failed run leaves the set as it was.
struct [[nodiscard]] EngineResult {
  Status status = Status::Ok();
  std::vector<std::string> warnings;
};

// What one engine does to the set once the run is set up. It re-seeds the
// generator from the clock where its algorithm says so.
struct EngineRun {
  ParameterSet& set;
  Random& random;
  const Clock& clock;
  Diagnostics& diagnostics;
  const std::string& program_folder;
};
using EngineBody = std::function<Status(EngineRun&)>;

// Runs `body` on `set` with the generator, clock and folder of `options`. A bad
// integer (CommandError) or a failed Status puts every value back as it was.
EngineResult RunEngine(ParameterSet& set, const EngineOptions& options, const EngineBody& body);

// Makes `to` hold the values of `from` (ParameterSet::TakeValues).
void ApplyValues(const ParameterSet& from, ParameterSet& to);

// A copy of `set`, for work that must not reach the window (copies carry the
// rules but never the observer).
ParameterSet Detached(const ParameterSet& set);

}  // namespace vermora
