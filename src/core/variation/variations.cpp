#include "variation/variations.h"

#include <algorithm>
#include <filesystem>
#include <thread>

#include "render/command_line.h"
#include "scene/composer.h"
#include "variation/evolve.h"
#include "variation/mutate.h"
#include "variation/random_engine.h"

namespace vermora {
bool EngineFromName(const std::string& name, EngineKind& kind) {
  if (name == "random") {
    kind = EngineKind::kRandom;
  } else if (name == "evolve") {
    kind = EngineKind::kEvolve;
  } else if (name == "mutate") {
    kind = EngineKind::kMutate;
  } else {
    return false;
  }
  return true;
}

Variants MakeVariants(const ParameterSet& set, EngineKind engine, std::uint32_t seed, int count,
                      const std::string& program_folder, const GeneLocks* locks) {
  Variants out;
  Random random;
  for (int i = 0; i < count; ++i) {
    ParameterSet variant = Detached(set);
    FixedClock clock(seed + static_cast<std::uint32_t>(i));
    const EngineOptions options{&random, &clock, program_folder, locks};
    EngineResult result = engine == EngineKind::kRandom   ? RunRandomEngine(variant, options)
                          : engine == EngineKind::kEvolve ? RunEvolve(variant, options)
                                                          : RunMutate(variant, options);
    if (i == 0) out.warnings = result.warnings;  // every variant reads the same fields
    if (!result.status.ok()) {
      out.status = result.status;
      out.sets.clear();
      return out;
    }
    out.sets.push_back(std::move(variant));
  }
  return out;
}

std::vector<RenderJobOutcome> RenderScenes(const std::vector<ParameterSet>& sets,
                                           const RenderJobsOptions& options) {
  std::vector<RenderJobOutcome> outcomes(sets.size());
  std::vector<RenderInvocation> jobs(sets.size());
  std::vector<bool> ready(sets.size(), false);
  for (size_t i = 0; i < sets.size(); ++i) {
    const std::string folder = options.folder + "variant" + std::to_string(i + 1) + "/";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    ParameterSet set = sets[i];
    set.SetText("edImageW", options.width);
    set.SetText("edImageH", options.height);
    Status composed = ComposeSceneToFile(set, folder + "TEMP.POV", &outcomes[i].warnings);
    if (!composed.ok()) {
      outcomes[i].render.failure = composed.message();
      continue;
    }
    jobs[i] = TranslateCommandLine(RenderCommandLine(options.povray, folder, "TEMP.POV", options.width,
                                                     options.height, set.On("chkAntiA")),
                                   options.include_dirs);
    if (options.single_thread) jobs[i].args.push_back("+WT1");
    outcomes[i].image_path = jobs[i].image_path;
    ClearRenderFiles(jobs[i]);
    ready[i] = true;
  }

  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t i = next++; i < sets.size(); i = next++) {
      if (!ready[i]) continue;
      if (options.cancel && options.cancel->load()) {
        outcomes[i].render.failure = "Rendering cancelled";
        continue;
      }
      outcomes[i].render = RunRenderer(jobs[i], options.timeout_seconds, options.cancel);
    }
  };
  const int threads = std::clamp(options.concurrency, 1, std::max(1, static_cast<int>(sets.size())));
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
  return outcomes;
}

}  // namespace vermora
