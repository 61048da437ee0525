#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/status.h"
#include "params/parameter_set.h"
#include "render/renderer.h"
#include "variation/engine.h"

namespace vermora {

enum class EngineKind { kRandom, kEvolve, kMutate };

// The engine named "random", "evolve" or "mutate"; false for any other name.
bool EngineFromName(const std::string& name, EngineKind& kind);

// `count` variants of `set`, variant i made by the engine with the clock value
// `seed + i`. Evolve and Mutate keep their parent in `program_folder` (the
// first variant saves it when missing), so every variant is a child of `set`.
struct [[nodiscard]] Variants {
  Status status = Status::Ok();
  std::vector<ParameterSet> sets;
  std::vector<std::string> warnings;
};
Variants MakeVariants(const ParameterSet& set, EngineKind engine, std::uint32_t seed, int count,
                      const std::string& program_folder, const GeneLocks* locks = nullptr);

struct RenderJobsOptions {
  std::string povray = "/usr/bin/povray";
  std::vector<std::string> include_dirs;
  std::string folder;  // each scene renders in folder + "variant<i>/"
  std::string width = "80", height = "60";
  int concurrency = 2;  // renders running at once; at least 1
  int timeout_seconds = 0;
  const std::atomic<bool>* cancel = nullptr;  // stops running renders, starts no new ones
  // One render thread per process: many small renders side by side pay better
  // than one render using every core.
  bool single_thread = false;
  int nice = 0;  // the renders' niceness (0: as we run)
  // Told as each scene's render ends (index into the sets), one call at a time,
  // from the thread that ran it; a progress line, never more work.
  std::function<void(size_t index, const RenderOutcome& outcome)> finished;
};

// One scene's outcome; `image_path` is where its picture is.
struct RenderJobOutcome {
  RenderOutcome render;
  std::string image_path;
  std::vector<std::string> warnings;
};

// One scene written to folder + "variant<index+1>/TEMP.POV" at the given size with
// its command line built; `failure` holds a compose failure instead.
struct PreparedJob {
  std::string failure;
  std::vector<std::string> warnings;
  RenderInvocation invocation;
};
PreparedJob PrepareSceneJob(const ParameterSet& set, size_t index,
                            const RenderJobsOptions& options);

// Composes every set (on this thread) and renders the scenes at the given size,
// at most `concurrency` at once, each in its own working folder.
std::vector<RenderJobOutcome> RenderScenes(const std::vector<ParameterSet>& sets,
                                           const RenderJobsOptions& options);

}  // namespace vermora
