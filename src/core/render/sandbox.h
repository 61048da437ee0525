#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vermora {

// A set may come from a stranger, so POV-Ray never runs with the user's rights
// over the user's files. Each run is closed in a bubblewrap sandbox: the run's
// private folder is the only place it may write; POV-Ray, its include folders,
// ours and the pictures the set names are there read-only; there is no network,
// no home folder and no other process. A povray.conf of ours that permits the
// private folder alone is a second wall. Where bubblewrap is missing or cannot
// start, POV-Ray runs with that povray.conf alone and the user is told once.

// Where one run may read and write.
struct SandboxRoom {
  std::string folder;                  // the private folder: the only writable place
  std::string home;                    // the run's home, holding our povray.conf
  std::vector<std::string> read_only;  // folders and files it may read
};

// The program and arguments that run `program args` inside the sandbox, or the
// call as it is (with HOME moved to the room's home) when there is none.
struct SandboxedCall {
  std::vector<std::string> argv;  // argv[0] is the program to start
  std::vector<std::string> env;   // the whole environment, "NAME=value"
};

SandboxedCall Sandbox(const std::string& program, const std::vector<std::string>& args,
                      const SandboxRoom& room);

// Writes our povray.conf into `room.home` (in the place POV-Ray looks for a
// user's file). False when it cannot be written.
bool WritePovrayConf(const SandboxRoom& room);

// Whether bubblewrap can run here; checked once a process. VERMORA_BWRAP names
// another bubblewrap program ("none" runs without one).
bool SandboxAvailable();

// The words for a run without the sandbox, the first time only; empty after that
// and wherever the sandbox works.
std::string TakeSandboxNotice();

// The most memory a run may take, in bytes: VERMORA_RENDER_MEMORY_MB when set,
// else half of this machine's memory.
std::uint64_t RenderMemoryLimit();

// For a child just before exec: puts it in a session and process group of its
// own (without a terminal, so nothing it runs can type into the user's; a
// signal to the group ends the whole run) and applies the memory limit.
void RenderChildSetup(std::uint64_t bytes);

}  // namespace vermora
