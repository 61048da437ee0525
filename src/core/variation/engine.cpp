#include "variation/engine.h"

#include "params/working_files.h"
#include "variation/gene_locks.h"

namespace vermora {

EngineResult RunEngine(ParameterSet& set, const EngineOptions& options, const EngineBody& body) {
  Random private_random;
  SystemClock system_clock;
  Random& random = options.random ? *options.random : private_random;
  const Clock& clock = options.clock ? *options.clock : system_clock;
  const std::string folder = options.program_folder.empty() ? ProgramFolder() : options.program_folder;

  const ParameterSet before = Detached(set);
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
  result.warnings = std::move(diagnostics.warnings);
  return result;
}

void ApplyValues(const ParameterSet& from, ParameterSet& to) {
  // A rule may reset fields that come earlier in the table than its switch, or
  // turn another switch; a few passes settle both. Rules only ever move values
  // towards a state `from` already satisfies, so this ends.
  for (int pass = 0; pass < 4 && !(from == to); ++pass) {
    for (size_t i = 0; i < from.size(); ++i) {
      if (!(from.value(i) == to.value(i))) to.SetValue(i, from.value(i));
    }
  }
}

ParameterSet Detached(const ParameterSet& set) {
  ParameterSet copy = set;
  copy.SetChangeRule({});
  return copy;
}

}  // namespace vermora
