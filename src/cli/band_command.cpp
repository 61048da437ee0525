#include "band_command.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <thread>

#include "common/file_io.h"
#include "common/run_program.h"
#include "io_args.h"
#include "params/settings_file.h"
#include "picture/band_join.h"
#include "picture/png_set_chunk.h"
#include "progress.h"
#include "render/band_render.h"
#include "render/job_list.h"
#include "render/render_pool.h"
#include "still_files.h"
#include "talk.h"

namespace fs = std::filesystem;

namespace vermora::cli {

namespace {

// Joins the band pictures in `folder` into `out`, carrying `set_text` (none
// when empty), and replaces `out` only once the picture is whole.
int JoinInto(const std::string& folder, const std::vector<std::string>& names,
             const std::vector<RowBand>& bands, const std::string& set_text,
             const std::string& out) {
  std::vector<std::string> pictures;
  for (const std::string& name : names) pictures.push_back(folder + name + ".png");
  WorkFolder work(false);
  if (work.path().empty()) return Fail("cannot create a working folder in /tmp");
  const std::string joined = work.path() + "joined.png";
  if (Status s = JoinBands(pictures, bands, joined); !s.ok()) return Fail(s.message());
  if (!set_text.empty()) {
    if (Status s = EmbedSetInPng(joined, set_text); !s.ok()) return Fail(s.message());
  }
  return WritePicture(joined, out);
}

int WriteBandJobList(const Args& args, const PreparedBands& prepared,
                     const std::string& as_designed, const std::vector<std::string>& include_dirs,
                     const std::string& folder) {
  std::string command, join;
  if (Status s =
          WriteBandJobs(prepared, as_designed, include_dirs, folder, args.out, command, join);
      !s.ok()) {
    return Fail(s.message());
  }
  Wrote(folder + "jobs.txt");
  if (!ProgramOnPath("parallel")) {
    PrintWarnings(
        {"GNU Parallel is not installed here (the package parallel brings it); "
         "the host that runs the list needs it"});
  }
  Note("On other hosts (see " + folder + "README.txt), in " + folder + ":\n  " + command +
       "\nthen:\n  " + join);
  return kDone;
}

// Renders the bands on the hosts `args.hosts` lists through the job list's own
// GNU Parallel command, run in the private `folder`, and joins them.
int RenderOnHosts(const Args& args, const PreparedBands& prepared, const std::string& as_designed,
                  const std::vector<std::string>& include_dirs, const std::string& folder) {
  if (!ProgramOnPath("parallel"))
    return Fail("--hosts needs GNU Parallel, which is not installed (the package parallel)");
  std::vector<std::string> call;
  if (Status s = ReadyBandsForHosts(prepared, as_designed, include_dirs, folder, args.hosts, call);
      !s.ok()) {
    return Fail(s.message());
  }
  Detail("on the hosts of " + args.hosts + ": " + call.back());
  const auto start = std::chrono::steady_clock::now();
  if (RunProgram(call, Verbose()) != 0) {
    std::string log;
    (void)ReadWholeFile(folder + "jobs.log", log);
    if (!args.failure_log.empty()) (void)WriteFileReplacing(args.failure_log, log);
    std::cerr << log;
    return Fail("the hosts of " + args.hosts + " did not render every part", kRenderFailed);
  }
  const int code = JoinInto(folder, prepared.names, prepared.bands, as_designed, args.out);
  std::ostringstream took;
  took << "rendered in " << prepared.jobs.size() << " parts on the hosts of " << args.hosts
       << " in " << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
       << " s";
  if (code == kDone) Detail(took.str());
  return code;
}

}  // namespace

int RenderInBands(const Args& args, const ParameterSet& sized, const std::string& as_designed,
                  const std::vector<std::string>& include_dirs, const std::string& povray) {
  if (LowerExtension(args.out) != ".png") return Fail("--parts writes a PNG picture", kUsage);
  const bool listed = !args.job_list_dir.empty();
  WorkFolder work(args.keep_work);
  std::string folder = work.path();
  if (listed) {
    std::error_code ec;
    fs::create_directories(args.job_list_dir, ec);
    if (!fs::is_directory(args.job_list_dir))
      return Fail("cannot create the folder " + args.job_list_dir);
    folder = (fs::absolute(args.job_list_dir) / "").string();
  } else if (folder.empty()) {
    return Fail("cannot create a working folder in /tmp");
  }
  RenderSetup setup;
  setup.povray_path = povray;
  setup.folder = folder;
  setup.include_dirs = include_dirs;
  setup.share.work_threads = args.work_threads;
  setup.compose.clock = args.clock;
  const PreparedBands prepared = PrepareBands(sized, setup, std::max(1, args.parts));
  PrintWarnings(prepared.warnings);
  if (!prepared.status.ok()) return Fail(ErrorBoxText(prepared.status.message()));
  if (static_cast<int>(prepared.bands.size()) < args.parts) {
    const size_t n = prepared.bands.size();
    Note("a picture " + sized.Text("edImageH") + " rows high splits into " + std::to_string(n) +
         (n == 1 ? " part" : " parts") + " (a part is at least " + std::to_string(kRenderBlock) +
         " rows)");
  }
  if (listed) return WriteBandJobList(args, prepared, as_designed, include_dirs, folder);
  if (!args.hosts.empty()) return RenderOnHosts(args, prepared, as_designed, include_dirs, folder);
  if (!prepared.renderer_problem.empty()) return Fail(prepared.renderer_problem);

  RenderPoolOptions pool;
  const unsigned cores = std::thread::hardware_concurrency();
  pool.concurrency = args.jobs > 0 ? args.jobs : static_cast<int>(cores ? cores : 1);
  pool.timeout_seconds = args.timeout;
  Progress progress("parts", static_cast<int>(prepared.jobs.size()));
  pool.finished = [&](size_t i, const RenderOutcome& outcome) {
    progress.Step(prepared.names[i] + ": " + (outcome.ok() ? "rendered" : outcome.failure),
                  !outcome.ok());
  };
  const auto start = std::chrono::steady_clock::now();
  std::vector<RenderOutcome> outcomes;
  RunRenderers(prepared.jobs, outcomes, pool);
  for (const RenderOutcome& outcome : outcomes) {
    if (Verbose()) std::cerr << outcome.output << outcome.messages;
    if (!outcome.ok()) return RenderFailed(outcome, args.keep_work, folder, args.failure_log);
  }
  const int code = JoinInto(folder, prepared.names, prepared.bands, as_designed, args.out);
  std::ostringstream took;
  took << "rendered in " << prepared.jobs.size() << " parts, " << pool.concurrency
       << " at once, in "
       << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() << " s";
  if (code == kDone) Detail(took.str());
  return code;
}

int JoinCommand(const Args& args) {
  const std::string folder = (fs::path(args.folder) / "").string();
  std::string list;
  if (Status s = ReadWholeFile(folder + kBandListName, list); !s.ok()) {
    return Fail(folder + kBandListName + ": " + s.message() +
                " (a folder render --parts --job-list wrote?)");
  }
  // The list came back from elsewhere: a band is "partK FIRST LAST" and nothing more.
  std::vector<std::string> names;
  std::vector<RowBand> bands;
  std::istringstream lines(list);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::istringstream words(line);
    std::string name, rest;
    RowBand band;
    const bool good = static_cast<bool>(words >> name >> band.first >> band.last) &&
                      !(words >> rest) && name == "part" + std::to_string(number) &&
                      band.first >= 1 && band.last >= band.first;
    if (!good)
      return Fail(folder + kBandListName + ", line " + std::to_string(number) + ": not a band");
    names.push_back(name);
    bands.push_back(band);
  }
  std::string set_text;
  if (Status s = ReadWholeFile(folder + kBandSetName, set_text); !s.ok()) {
    PrintWarnings({folder + kBandSetName + ": " + s.message() + "; the picture carries no set"});
    set_text.clear();
  } else if (ParameterSet set; !LoadSettingsText(set_text, set).ok()) {
    PrintWarnings({folder + kBandSetName + " is not a set; the picture carries none"});
    set_text.clear();
  }
  return JoinInto(folder, names, bands, set_text, args.out);
}

}  // namespace vermora::cli
