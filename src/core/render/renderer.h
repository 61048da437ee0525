#pragma once

#include <atomic>
#include <string>

#include "common/status.h"
#include "render/command_line.h"

namespace vermora {

// What one render came to, judged from the exit status, the messages and the
// picture: a render that wrote no picture or reported an error is a failure,
// whatever the exit status said.
struct RenderOutcome {
  bool started = false;
  int exit_code = -1;
  bool error_reported = false;  // a message line holds an error
  bool image_written = false;
  std::string output;    // what the renderer printed (progress, messages)
  std::string messages;  // the messages file, when written
  std::string failure;   // empty on success: what failed, in the user's words

  bool ok() const { return failure.empty(); }
};

// True when a message line reports an error ("ERROR", "Parse Error", "Fatal error").
bool IsErrorLine(const std::string& line);

// Prepares for a render: removes the previous picture and messages.
void ClearRenderFiles(const RenderInvocation& invocation);

// Judges a finished render and moves the picture to where the caller expects it.
// `output` is what the process printed; `exit_code` is -1 when it did not start.
RenderOutcome FinishRender(const RenderInvocation& invocation, int exit_code, std::string output);

// Runs the renderer to its end on this thread (the CLI's way), in a private
// folder of its own (StageRender). `timeout_seconds`
// of 0 waits without limit. When `cancel` becomes true the renderer is stopped
// and the outcome fails with "Rendering cancelled".
RenderOutcome RunRenderer(const RenderInvocation& invocation, int timeout_seconds = 0,
                          const std::atomic<bool>* cancel = nullptr);

// The message for a renderer path that is missing or not executable, or empty.
std::string RendererPathProblem(const std::string& program);

}  // namespace vermora
