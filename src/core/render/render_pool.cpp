#include "render/render_pool.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace vermora {

void RunRenderers(const std::vector<RenderInvocation>& jobs, std::vector<RenderOutcome>& outcomes,
                  const RenderPoolOptions& options) {
  outcomes.resize(jobs.size());
  std::atomic<size_t> next{0};
  std::mutex told;
  auto worker = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) {
      const bool ready = !jobs[i].program.empty();
      if (!ready && outcomes[i].failure.empty()) {
        outcomes[i].failure = "the renderer's command line could not be built";
      } else if (ready && options.cancel && options.cancel->load()) {
        outcomes[i].failure = "Rendering cancelled";
      } else if (ready) {
        outcomes[i] = RunRenderer(jobs[i], options.timeout_seconds, options.cancel);
      }
      if (options.finished) {
        const std::lock_guard<std::mutex> one_at_a_time(told);
        options.finished(i, outcomes[i]);
      }
    }
  };
  const int threads =
      std::clamp(options.concurrency, 1, std::max(1, static_cast<int>(jobs.size())));
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
}

}  // namespace vermora
