#include "variation/mutate.h"

#include "params/working_files.h"
#include "variation/kept_parent.h"
#include "variation/step_list.h"

namespace vermora {

EngineResult RunMutate(ParameterSet& set, const EngineOptions& options) {
  return RunEngine(set, options, [](EngineRun& run) {
    if (Status parent = StartFromKeptParent(run, kMutateFile); !parent.ok()) return parent;
    run.random.ReseedFromClock(run.clock);
    Steps s(run.set, run.random, run.diagnostics);
    s.set_factor(s.Number("EdMutFactor"));
    const StepEngine mutate{.mutate = true, .large = s.factor() > 4};
    if (s.IsOn("ChkMutWorm")) WormSteps(s, mutate);
    if (s.IsOn("ChkMutThing")) ThingSteps(s, mutate);
    ThingPostSteps(s, mutate);
    return Status::Ok();
  });
}

}  // namespace vermora
