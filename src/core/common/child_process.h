#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace vermora {

// One run of another program (POV-Ray in its sandbox, bubblewrap's probe,
// montage, ffmpeg), started without a shell so that names with quotes, blanks or
// "$" stay whole, and waited for to its end on this thread. Its standard input
// is /dev/null.
struct ChildCall {
  std::vector<std::string> argv;  // argv[0]: a path, or a name looked up on PATH
  std::vector<std::string> env;   // "NAME=value" each; empty keeps this process's
  std::string working_dir;        // empty: this process's folder
  bool capture = false;           // keep what it prints (both streams) in ChildEnd::output
  bool show_errors = false;       // not captured: its error output reaches ours, else dropped
  // A session and process group of its own, so that a stop ends it and its children.
  bool own_session = false;
  std::uint64_t memory_limit = 0;             // bytes of address space it may use; 0 for no limit
  int nice = 0;                               // its niceness; 0 keeps ours
  int timeout_seconds = 0;                    // 0 waits without limit
  const std::atomic<bool>* cancel = nullptr;  // becoming true stops it
};

struct ChildEnd {
  int code = -1;  // the exit status, 128 + the signal that ended it, -1 when it did not start
  std::string output;
  bool timed_out = false;
  bool cancelled = false;
};

ChildEnd RunChild(const ChildCall& call);

// What a child does between fork and exec: a session of its own and the memory
// limit. Only async-signal-safe calls, so a forking runner of another library
// (the window's) may call it too.
void LimitChild(bool own_session, std::uint64_t memory_limit);

}  // namespace vermora
