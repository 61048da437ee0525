#pragma once

#include <string>
#include <vector>

#include "common/random.h"

namespace vermora::cli {

// Exit statuses of every command.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;
inline constexpr int kRenderFailed = 3;  // POV-Ray failed or rejected a scene
inline constexpr int kNoVideo = 4;       // the frames are there, the video is not
// (5, a set that uses files without --trust, is kUntrustedExit.)

inline constexpr const char* kVersion = "0.99g";

// What one command line asks for; each command reads its own fields.
struct Args {
  std::string command;
  std::string set_path, partner_path, out;
  std::string seed, engine = "random";
  // compose, render, mesh: the clock value a scene's clock seeds read, from --seed
  const vermora::Clock* clock = nullptr;
  bool engine_given = false;
  int count = 9, jobs = 0, timeout = 0, stop_after = 0;
  std::string width, height, povray, max_objects;
  // The scene size compose, render, mesh and anim refuse above; batch drops
  // children above it. Read from --max-objects.
  double object_limit = 0;
  bool pov22 = false, antialias = false, keep_work = false, resume = false, trust = false;
  bool quiet = false, verbose = false;
  // "-" in place of SET or -o: the names above are then private stand-in files.
  bool set_from_stdin = false, out_to_stdout = false;
  // The first set as messages name it.
  std::string SetName() const { return set_from_stdin ? "standard input" : set_path; }
  std::string format;         // what "-o -" writes: png or bmp for render, glb or stl for mesh
  bool contact_sheet = true;  // batch: contact.png, with ImageMagick
  std::vector<std::string> lock_names, lock_groups, lock_files;
  // anim
  std::string end, frames, curve, video, fps = "10";
  std::vector<std::string> then;
  bool force = false, job_list = false, loop = false;
  // examples
  std::string example;
  // render: bands of rows (0: the whole picture at once) and the job list's folder;
  // join: the folder of a job list
  int parts = 0;
  std::string job_list_dir, folder;
  std::string hosts;         // render --parts, queue run: the hosts file for GNU Parallel
  std::string queue_action;  // queue: add, list, run, remove or log
  bool series = false;       // queue add: the set's frame series into the folder -o
  bool batch = false;        // queue add: a batch of children (--engine, --count, --seed)
  int leave_cores = 1;       // queue run: cores its renders leave to other work
  // Set by queue run for its renders: POV-Ray's threads (0: one a core), and
  // where a failed render's messages go as well.
  int work_threads = 0;
  std::string failure_log;
  // mesh: segments around a primitive, 0 for as many as the scene's size allows
  int detail = 0;
  std::string up;      // mesh: "y" or "z"; empty for the format's own
  double scale = 1;    // mesh: file units per scene unit
  bool merge = false;  // mesh: one closed solid (--union, STL only)
  struct Need {
    std::string command;
    const std::string* value;
    std::string what;
  };
  std::vector<Need> needs;  // what each command cannot do without
};

// Parses argv into `args`. Returns -1 when the command should run, else the
// exit status (help and --version print and give 0; a usage error prints the
// message and the command's help and gives 2).
int ParseCommandLine(int argc, char** argv, Args& args);

}  // namespace vermora::cli
