#include "render/renderer.h"

#include <signal.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <sstream>

#include "common/child_process.h"
#include "common/file_io.h"
#include "render/private_folder.h"
#include "render/sandbox.h"

namespace vermora {
namespace fs = std::filesystem;

constexpr size_t kMessageWidth = 80;

bool IsErrorLine(const std::string& line) {
  return line.find("ERROR") != std::string::npos || line.find("Parse Error") != std::string::npos ||
         line.find("Fatal error") != std::string::npos;
}

std::string RendererPathProblem(const std::string& program) {
  std::error_code ec;
  if (program.empty() || !fs::exists(program, ec)) {
    return "POV-Ray was not found at \"" + program +
           "\". Set its path with Povray > Povray Path ...";
  }
  if (fs::is_directory(program, ec) || access(program.c_str(), X_OK) != 0) {
    return "POV-Ray at \"" + program +
           "\" is not an executable program. Set its path with Povray > Povray Path ...";
  }
  return {};
}

void ClearRenderFiles(const RenderInvocation& inv) {
  std::error_code ec;
  for (const std::string& path : {inv.image_path, inv.written_image, inv.messages_path}) {
    if (!path.empty()) fs::remove(path, ec);
  }
}

RenderOutcome FinishRender(const RenderInvocation& inv, int exit_code, std::string output) {
  RenderOutcome out;
  out.started = exit_code != -1;
  out.exit_code = exit_code;
  out.output = std::move(output);
  std::error_code ec;
  if (inv.written_image != inv.image_path && fs::exists(inv.written_image, ec)) {
    fs::rename(inv.written_image, inv.image_path, ec);
  }
  out.image_written = fs::exists(inv.image_path, ec) && fs::file_size(inv.image_path, ec) > 0;
  if (!inv.messages_path.empty()) (void)ReadWholeFile(inv.messages_path, out.messages);

  std::istringstream lines(out.messages + "\n" + out.output);
  std::string first_error;
  bool in_first_error = false;
  size_t previous_length = 0;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // POV-Ray wraps its messages at 80 columns, inside a word or before a blank;
    // the whole message is kept so that a long file name stays whole.
    if (in_first_error) {
      const bool continued =
          !line.empty() && (previous_length >= kMessageWidth - 1 || line[0] == ' ');
      if (continued) first_error += line;
      in_first_error = continued;
    }
    if (IsErrorLine(line)) {
      out.error_reported = true;
      if (first_error.empty()) {
        first_error = line;
        in_first_error = true;
      }
    }
    previous_length = line.size();
  }
  if (!out.started) {
    out.failure = "POV-Ray could not be started: " + inv.program;
  } else if (out.error_reported) {
    out.failure = "POV-Ray reported an error: " + first_error;
  } else if (exit_code != 0) {
    out.failure = "POV-Ray ended with exit status " + std::to_string(exit_code);
  } else if (!out.image_written) {
    out.failure = "POV-Ray wrote no picture";
  }
  // Out of memory shows as a message or, where allocation fails outside the
  // parser, as an abort or a crash.
  const bool signalled =
      exit_code == 128 + SIGABRT || exit_code == 128 + SIGSEGV || exit_code == 128 + SIGKILL;
  if (out.failure.find("Out of memory") != std::string::npos || (signalled && !out.image_written)) {
    if (const std::uint64_t limit = RenderMemoryLimit(); limit > 0) {
      while (!out.failure.empty() && out.failure.back() == '.') out.failure.pop_back();
      out.failure += ". POV-Ray may use at most " +
                     std::to_string(limit / (std::uint64_t{1024} * 1024)) +
                     " MB here (VERMORA_RENDER_MEMORY_MB sets it); fewer objects need less";
    }
  }
  return out;
}

RenderOutcome RunRenderer(const RenderInvocation& inv, int timeout_seconds,
                          const std::atomic<bool>* cancel) {
  if (!RendererPathProblem(inv.program).empty()) return FinishRender(inv, -1, {});
  const StagedRender staged = StageRender(inv);
  if (!staged.failure.empty()) {
    RenderOutcome outcome = FinishRender(inv, -1, {});
    outcome.failure = staged.failure;
    return outcome;
  }
  const SandboxedCall sandboxed = StagedCall(staged);
  ChildCall call;
  call.argv = sandboxed.argv;
  call.env = sandboxed.env;
  call.working_dir = staged.invocation.working_dir;
  call.capture = true;
  call.own_session = true;
  call.memory_limit = RenderMemoryLimit();
  call.nice = inv.nice;
  call.timeout_seconds = timeout_seconds;
  call.cancel = cancel;
  ChildEnd end = RunChild(call);
  UnstageRender(staged, inv);
  RenderOutcome outcome = FinishRender(inv, end.code, std::move(end.output));

  if (end.cancelled) outcome.failure = "Rendering cancelled";
  if (end.timed_out)
    outcome.failure = "POV-Ray did not finish in " + std::to_string(timeout_seconds) + " s";
  return outcome;
}

}  // namespace vermora
