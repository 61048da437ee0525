#include "variation/engine.h"

#include "params/working_files.h"
#include "variation/gene_locks.h"

namespace vermora {

EngineResult RunEngine(ParameterSet& set, const EngineOptions& options, const EngineBody& body) {
  Random private_random;
  SystemClock system_clock;
  Random& random = options.random ? *options.random : private_random;
  const Clock& clock = options.clock ? *options.clock : system_clock;
  const std::string folder =
      options.program_folder.empty() ? ProgramFolder() : options.program_folder;

  const ParameterSet before = Detached(set);
  // The rules of the switches the engine turns draw from the engine's generator.
  Random* kept_random = set.generator();
  const Clock* kept_clock = set.clock();
  set.UseGenerator(&random, &clock);
  EngineResult result;
  Diagnostics diagnostics;
  EngineRun run{set, random, clock, diagnostics, folder};
  try {
    result.status = body(run);
  } catch (const CommandError& error) {
    result.status = Status::Error(error.message);
  }
  if (!result.status.ok()) {
    ApplyValues(before, set);
  } else if (options.locks) {
    options.locks->Restore(before, set);
  }
  set.UseGenerator(kept_random, kept_clock);
  result.warnings = std::move(diagnostics.warnings);
  return result;
}

void ApplyValues(const ParameterSet& from, ParameterSet& to) { to.TakeValues(from); }

ParameterSet Detached(const ParameterSet& set) { return set; }

}  // namespace vermora
