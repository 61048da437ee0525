#include "variation/evolve.h"

#include "params/working_files.h"
#include "variation/kept_parent.h"
#include "variation/step_list.h"

namespace vermora {

EngineResult RunEvolve(ParameterSet& set, const EngineOptions& options) {
  return RunEngine(set, options, [](EngineRun& run) {
    if (Status parent = StartFromKeptParent(run, kEvolveFile); !parent.ok()) return parent;
    run.random.ReseedFromClock(run.clock);
    Steps s(run.set, run.random, run.diagnostics);
    s.set_factor(s.Number("EdEvFactor"));
    const StepEngine evolve;
    if (s.IsOn("ChkEvWorm")) WormSteps(s, evolve);
    if (s.IsOn("ChkEvThing")) ThingSteps(s, evolve);
    ThingPostSteps(s, evolve);
    return Status::Ok();
  });
}

}  // namespace vermora
