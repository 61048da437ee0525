#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

#include "render/command_line.h"
#include "render/renderer.h"

namespace vermora {

// How a batch of renderer calls runs on this machine.
struct RenderPoolOptions {
  int concurrency = 2;  // calls running at once; at least 1
  int timeout_seconds = 0;
  const std::atomic<bool>* cancel = nullptr;  // stops running calls, starts no new ones
  // Told as each call ends (its index), one call at a time, from the thread
  // that ran it; a progress line, never more work.
  std::function<void(size_t index, const RenderOutcome& outcome)> finished;
};

// Runs `jobs` at most `concurrency` at once, handing them out in order, and
// writes each outcome into `outcomes` (one a job). A job without a program is
// not run: its outcome keeps the failure the caller found before, or fails.
void RunRenderers(const std::vector<RenderInvocation>& jobs, std::vector<RenderOutcome>& outcomes,
                  const RenderPoolOptions& options);

}  // namespace vermora
