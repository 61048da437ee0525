#include "anim/key_chain.h"

#include "anim/second_set.h"

namespace vermora {

FrameSeriesResult RunKeyChain(const std::vector<ParameterSet>& keys, int frames_per_step, bool loop,
                              const FrameSeriesSettings& settings) {
  FrameSeriesResult total;
  const size_t steps = loop ? keys.size() : keys.size() - 1;
  if (keys.size() < 2 || frames_per_step < 1) {
    total.status =
        Status::Error("an animation through key sets needs two of them and a frame or more a step");
    return total;
  }
  for (size_t i = 0; i < steps; ++i) {
    Diagnostics d;
    ParameterSet step = MixForAnimation(keys[i], keys[(i + 1) % keys.size()], d);
    total.warnings.insert(total.warnings.end(), d.warnings.begin(), d.warnings.end());
    const bool ends_on_key = !loop && i + 1 == steps;
    const int n = frames_per_step;
    step.SetText("edTotalFrames", std::to_string(n + 1));
    step.SetText("edStartFrame", "1");
    step.SetText("edEndFrame", std::to_string(ends_on_key ? n + 1 : n));
    step.SetText("edCountStart", std::to_string(1 + static_cast<int>(i) * n));
    FrameSeriesResult r = RunFrameSeries(step, settings);
    total.rendered += r.rendered;
    total.warnings.insert(total.warnings.end(), r.warnings.begin(), r.warnings.end());
    if (!r.status.ok() || r.failed_counter || r.stopped) {
      total.status = r.status;
      total.failed_counter = r.failed_counter;
      total.stopped = r.stopped;
      break;
    }
  }
  return total;
}

int KeyChainFrames(size_t key_sets, int frames_per_step, bool loop) {
  if (key_sets < 2 || frames_per_step < 1) return 0;
  const int steps = static_cast<int>(loop ? key_sets : key_sets - 1);
  return steps * frames_per_step + (loop ? 0 : 1);  // a chain that ends keeps its last key set
}

}  // namespace vermora
