#include "variation/variations.h"

#include <algorithm>
#include <filesystem>

#include "compose/composer.h"
#include "render/command_line.h"
#include "render/render_pool.h"
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

PreparedJob PrepareSceneJob(const ParameterSet& set, size_t index,
                            const RenderJobsOptions& options) {
  PreparedJob job;
  const std::string folder = options.folder + "variant" + std::to_string(index + 1) + "/";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  ParameterSet sized = set;
  sized.SetText("edImageW", options.width);
  sized.SetText("edImageH", options.height);
  if (std::string problem = PictureSizeProblem(sized); !problem.empty()) {
    job.failure = problem;
    return job;
  }
  Status composed = ComposeSceneToFile(sized, folder + "TEMP.POV", &job.warnings);
  if (!composed.ok()) {
    job.failure = composed.message();
    return job;
  }
  job.invocation =
      TranslateCommandLine(RenderCommandLine(options.povray, folder, "TEMP.POV", options.width,
                                             options.height, sized.On("chkAntiA")),
                           options.include_dirs);
  if (options.single_thread) job.invocation.args.emplace_back("+WT1");
  job.invocation.nice = options.nice;
  ClearRenderFiles(job.invocation);
  return job;
}

std::vector<RenderJobOutcome> RenderScenes(const std::vector<ParameterSet>& sets,
                                           const RenderJobsOptions& options) {
  std::vector<RenderJobOutcome> outcomes(sets.size());
  std::vector<RenderInvocation> jobs(sets.size());
  for (size_t i = 0; i < sets.size(); ++i) {
    PreparedJob job = PrepareSceneJob(sets[i], i, options);
    outcomes[i].warnings = std::move(job.warnings);
    if (!job.failure.empty()) {
      outcomes[i].render.failure = job.failure;
      continue;
    }
    jobs[i] = std::move(job.invocation);
    outcomes[i].image_path = jobs[i].image_path;
  }

  std::vector<RenderOutcome> rendered(sets.size());
  for (size_t i = 0; i < sets.size(); ++i) rendered[i] = outcomes[i].render;
  RenderPoolOptions pool;
  pool.concurrency = options.concurrency;
  pool.timeout_seconds = options.timeout_seconds;
  pool.cancel = options.cancel;
  pool.finished = options.finished;
  RunRenderers(jobs, rendered, pool);
  for (size_t i = 0; i < sets.size(); ++i) outcomes[i].render = std::move(rendered[i]);
  return outcomes;
}

}  // namespace vermora
