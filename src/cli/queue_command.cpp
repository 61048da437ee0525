#include "queue_command.h"

#include <sys/resource.h>

#include <filesystem>
#include <iostream>

#include "anim/frame_series.h"
#include "anim_command.h"
#include "batch_command.h"
#include "common/file_io.h"
#include "io_args.h"
#include "params/settings_file.h"
#include "params/working_files.h"
#include "render/command_line.h"
#include "render/render_command.h"
#include "render/render_queue.h"
#include "scene/object_limit.h"
#include "talk.h"
#include "trust_check.h"

namespace fs = std::filesystem;

namespace vermora::cli {

namespace {

std::string QueueFolder() { return ProgramFolder() + "queue/"; }

// Why a job failed, as the window says it: POV-Ray's first error line in its
// log, else the exit status.
std::string FailureLine(const std::string& log_path, int code) {
  std::string log;
  if (ReadWholeFile(log_path, log).ok()) {
    const std::vector<std::string> lines = MessageLines(log);
    if (const int at = FirstErrorLine(lines); at >= 0) return lines[at];
  }
  return "the render failed (exit status " + std::to_string(code) + ")";
}

// Loads the queue, saying what it had to leave out.
bool LoadQueue(RenderQueue& queue) {
  std::vector<std::string> warnings;
  if (Status s = queue.Load(&warnings); !s.ok()) return Fail(s.message()), false;
  PrintWarnings(warnings);
  return true;
}

int Add(const Args& args, const std::vector<std::string>& include_dirs) {
  const bool folder = args.series || args.batch;
  if (args.series && args.batch) return Fail("a job is --series or --batch, not both", kUsage);
  if (args.out.empty())
    return Fail(
        folder ? "queue add --series or --batch needs -o DIR" : "queue add needs -o OUT.png",
        kUsage);
  if (args.out_to_stdout) return Fail("a queued picture goes to a file, not to -", kUsage);
  const std::string format = LowerExtension(args.out);
  if (folder && args.parts > 1) return Fail("--parts renders a still", kUsage);
  if (!folder && format != ".png" && format != ".bmp")
    return Fail(args.out + ": the picture must end in .png or .bmp", kUsage);
  if (args.parts > 1 && format != ".png") return Fail("--parts writes a PNG picture", kUsage);
  std::uint32_t seed = 0;
  if (args.batch) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(args.seed.c_str(), &end, 10);
    if (args.seed.empty() || *end != '\0' || args.seed[0] == '-' || value > 0xFFFFFFFFull)
      return Fail("queue add --batch needs --seed with a whole number from 0 to 4294967295",
                  kUsage);
    seed = static_cast<std::uint32_t>(value);
    if (args.count < 1 || args.count > 10000) return Fail("--count needs 1 to 10000", kUsage);
    std::error_code ec;
    if (fs::exists(args.out) && !fs::is_empty(args.out, ec))
      return Fail(args.out + " already holds files: a queued batch needs an empty folder", kUsage);
  }
  ParameterSet set;
  if (!args.set_path.empty()) {
    if (Status s = LoadSettings(args.set_path, set); !s.ok())
      return Fail(args.SetName() + ": " + ErrorBoxText(s.message()));
    if (!TrustedForRender(args.SetName(), set, include_dirs, args.trust)) return kUntrustedExit;
  }
  // Refused now, as render would refuse it, not hours later when the queue runs.
  if (const std::string problem = ObjectLimitProblem(set, args.object_limit); !problem.empty())
    return Fail(problem + ". A larger --max-objects queues it anyway.");
  if (args.series && (!set.On("chkAnim") || FramesToRender(set) < 1)) {
    return Fail(args.SetName() +
                ": its animation is off or makes no frames (the window's Animation page; "
                "vermora-cli anim animates any set)");
  }
  QueueJob job;
  job.kind = args.series ? QueueKind::kSeries : args.batch ? QueueKind::kBatch : QueueKind::kStill;
  if (args.batch) {
    job.engine = args.engine_given ? args.engine : "mutate";
    job.count = args.count;
    job.seed = seed;
  }
  job.set_text = SettingsText(set);
  // A batch's children are rendered as batch renders them, small unless asked.
  const BatchSettings batch_sizes;
  job.width = !args.width.empty() ? args.width
              : args.batch        ? batch_sizes.width
                                  : set.Text("edImageW");
  job.height = !args.height.empty() ? args.height
               : args.batch         ? batch_sizes.height
                                    : set.Text("edImageH");
  if (std::string problem = PictureSideProblem("the set's picture width", job.width);
      !problem.empty() ||
      !(problem = PictureSideProblem("the set's picture height", job.height)).empty()) {
    return Fail(problem);
  }
  job.antialias = !folder && (args.antialias || set.On("chkAntiA"));
  job.parts = std::max(1, args.parts);
  job.trusted = args.trust;
  job.output = fs::absolute(args.out).string();
  RenderQueue queue(QueueFolder());
  if (!LoadQueue(queue)) return kFailed;
  int id = 0;
  if (Status s = queue.Add(job, &id); !s.ok()) return Fail(s.message());
  Note("queued job " + std::to_string(id) + ": " + job.output);
  return kDone;
}

int List() {
  RenderQueue queue(QueueFolder());
  if (!LoadQueue(queue)) return kFailed;
  // A job that says it runs while no one runs the queue was cut off.
  if (QueueIdle(QueueFolder())) (void)queue.RestartInterrupted();
  for (const QueueJob& job : queue.jobs()) {
    std::cout << job.id << "\t" << QueueStateName(job.state) << "\t"
              << (job.kind == QueueKind::kSeries ? "series of "
                  : job.kind == QueueKind::kBatch
                      ? "batch of " + std::to_string(job.count) + " " + job.engine + " children, "
                      : "")
              << job.width << "x" << job.height << (job.antialias ? " anti-aliased" : "")
              << (job.parts > 1 ? ", " + std::to_string(job.parts) + " parts" : "") << "\t"
              << job.output << (job.failure.empty() ? "" : "\t" + job.failure) << "\n";
  }
  return kDone;
}

// The job number ITEM names, or 0.
int JobNumber(const Args& args) {
  int id = 0;
  try {
    size_t used = 0;
    id = std::stoi(args.set_path, &used);
    if (used != args.set_path.size()) id = 0;
  } catch (const std::exception&) {
  }
  return std::max(id, 0);
}

int Remove(const Args& args) {
  const int id = JobNumber(args);
  if (id < 1) return Fail("queue remove needs the number of a job (queue list shows them)", kUsage);
  RenderQueue queue(QueueFolder());
  if (!LoadQueue(queue)) return kFailed;
  if (Status s = queue.Remove(id); !s.ok()) return Fail(s.message());
  Note("removed job " + std::to_string(id));
  return kDone;
}

int Log(const Args& args) {
  const int id = JobNumber(args);
  if (id < 1) return Fail("queue log needs the number of a job (queue list shows them)", kUsage);
  RenderQueue queue(QueueFolder());
  std::string log;
  if (!ReadWholeFile(queue.LogPath(id), log).ok())
    return Fail("job " + std::to_string(id) + " has no log: it has not failed");
  std::cout << log;
  return kDone;
}

// Runs the waiting jobs, reading the queue again before each, so jobs added,
// moved or removed meanwhile count.
int Run(const Args& args, const std::vector<std::string>& include_dirs, const StillRender& render,
        const StillRender& batch) {
  const std::string folder = QueueFolder();
  if (Status s = EnsureFolder(folder); !s.ok()) return Fail(s.message());
  QueueRunLock lock;
  if (!lock.TryTake(folder)) return Fail("the queue is already running (" + folder + "run.lock)");
  // Low priority, which POV-Ray inherits: the designer's own renders come first.
  const RenderShare share = QueueShare(args.leave_cores);
  std::string hosts = args.hosts;
  if (hosts.empty() && fs::exists(ProgramFolder() + "hosts.txt"))
    hosts = ProgramFolder() + "hosts.txt";
  if (setpriority(PRIO_PROCESS, 0, share.nice) != 0)
    PrintWarnings({"the queue runs at normal priority"});
  int failed = 0, done = 0;
  for (;;) {
    RenderQueue queue(folder);
    if (!LoadQueue(queue)) return kFailed;
    if (Status s = queue.RestartInterrupted(); !s.ok()) return Fail(s.message());
    const QueueJob* next = queue.NextWaiting();
    if (!next) break;
    const QueueJob job = *next;
    if (Status s = queue.SetState(job.id, QueueState::kRunning); !s.ok()) return Fail(s.message());
    const std::string name = "queue job " + std::to_string(job.id);
    Note(name + ": " + job.output);
    ParameterSet set;
    int code = kFailed;
    std::string failure;
    if (Status s = LoadSettingsText(job.set_text, set); !s.ok()) {
      failure = "its set is damaged: " + s.message();
    } else if (!TrustedForRender(name, set, include_dirs, job.trusted)) {
      failure = "its texts use files and it was queued without --trust";
    } else {
      Args still = args;
      still.width = job.width;
      still.height = job.height;
      still.antialias = job.antialias;
      still.parts = job.parts > 1 ? job.parts : 0;
      still.out = job.output;
      still.job_list_dir.clear();
      still.hosts = job.parts > 1 ? hosts : "";
      // Cores are left on this machine, not on the hosts.
      still.work_threads = still.hosts.empty() ? share.work_threads : 0;
      still.failure_log = queue.LogPath(job.id);
      if (job.kind == QueueKind::kBatch) {
        still.set_path = queue.SnapshotPath(job.id);
        still.engine = job.engine;
        still.engine_given = true;
        still.count = job.count;
        still.seed = std::to_string(job.seed);
        still.resume = true;  // a batch cut off goes on with the children not yet rendered
        still.job_list = false;
        still.jobs = std::max(1, share.work_threads);
        code = batch(still, set);
      } else if (job.kind == QueueKind::kSeries) {
        still.set_path = queue.SnapshotPath(job.id);
        still.trust = job.trusted;
        still.jobs = 1;  // one frame at a time, on the threads the queue may take
        still.frames.clear();
        still.end.clear();
        still.then.clear();
        still.video.clear();
        still.job_list = still.loop = false;
        code = AnimCommand(still, include_dirs);
      } else {
        still.set_path = name;
        code = render(still, set);
      }
      if (code != kDone) failure = FailureLine(queue.LogPath(job.id), code);
    }
    if (!failure.empty()) Fail(name + ": " + failure);
    (code == kDone ? done : failed)++;
    // The list may have changed while it rendered; the job keeps its place.
    RenderQueue after(folder);
    if (!LoadQueue(after)) return kFailed;
    (void)after.SetState(job.id, code == kDone ? QueueState::kDone : QueueState::kFailed, failure);
  }
  Note("the queue rendered " + std::to_string(done) + " jobs, " + std::to_string(failed) +
       " failed");
  return failed ? kRenderFailed : kDone;
}

}  // namespace

int QueueCommand(const Args& args, const std::vector<std::string>& include_dirs,
                 const StillRender& render, const StillRender& batch) {
  if (args.queue_action == "add") return Add(args, include_dirs);
  if (args.queue_action == "list") return List();
  if (args.queue_action == "remove") return Remove(args);
  if (args.queue_action == "log") return Log(args);
  return Run(args, include_dirs, render, batch);
}

}  // namespace vermora::cli
