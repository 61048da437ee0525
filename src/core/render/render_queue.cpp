#include "render/render_queue.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

#include "common/file_io.h"
#include "params/working_files.h"
#include "render/command_line.h"

namespace vermora {
namespace {

constexpr const char* kListFile = "queue.txt";
constexpr const char* kHead = "Vermora render queue 1";
constexpr QueueState kStates[] = {QueueState::kWaiting, QueueState::kHeld, QueueState::kRunning,
                                  QueueState::kDone, QueueState::kFailed};

constexpr int kQueuedNice = 10;

std::string SnapshotName(int id) { return "job" + std::to_string(id) + ".vmx"; }
std::string LogName(int id) { return "job" + std::to_string(id) + ".log"; }

bool StateFromName(const std::string& name, QueueState& state) {
  for (QueueState s : kStates) {
    if (name == QueueStateName(s)) {
      state = s;
      return true;
    }
  }
  return false;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '\t')) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
  return text;
}

constexpr const char* kKindNames[] = {"still", "series", "batch"};

bool BatchEngine(const std::string& name) {
  return name == "random" || name == "evolve" || name == "mutate";
}

// A job line: id, state, width, height, anti-aliasing, parts, trusted, output,
// failure and what it renders ("still", "series", or "batch" followed by the
// engine, the children and the seed). A line of the first queues ends before
// the kind and is a still.
bool ReadJob(const std::string& line, QueueJob& job) {
  const std::vector<std::string> f = Fields(line);
  if (f.size() < 9 || !StateFromName(f[1], job.state)) return false;
  if (f.size() > 9) {
    const auto kind = std::find(std::begin(kKindNames), std::end(kKindNames), f[9]);
    if (kind == std::end(kKindNames)) return false;
    job.kind = static_cast<QueueKind>(kind - std::begin(kKindNames));
  }
  const size_t fields = job.kind == QueueKind::kBatch ? 13 : f.size() == 9 ? 9 : 10;
  if (f.size() != fields) return false;
  if (job.kind == QueueKind::kBatch) {
    job.engine = f[10];
    if (!BatchEngine(job.engine)) return false;
    char* end = nullptr;
    job.count = static_cast<int>(std::strtol(f[11].c_str(), &end, 10));
    if (*end != '\0' || job.count < 1 || job.count > 10000) return false;
    const unsigned long long seed = std::strtoull(f[12].c_str(), &end, 10);
    if (f[12].empty() || *end != '\0' || f[12][0] == '-' || seed > 0xFFFFFFFFull) return false;
    job.seed = static_cast<std::uint32_t>(seed);
  }
  try {
    size_t used = 0;
    job.id = std::stoi(f[0], &used);
    if (used != f[0].size() || job.id < 1) return false;
    job.parts = std::stoi(f[5], &used);
    if (used != f[5].size() || job.parts < 1 || job.parts > 1000) return false;
  } catch (const std::exception&) {
    return false;
  }
  job.width = f[2];
  job.height = f[3];
  if (!ValidPictureSide(job.width) || !ValidPictureSide(job.height)) return false;
  if ((f[4] != "0" && f[4] != "1") || (f[6] != "0" && f[6] != "1")) return false;
  job.antialias = f[4] == "1";
  job.trusted = f[6] == "1";
  job.output = f[7];
  job.failure = f[8];
  return std::filesystem::path(job.output).is_absolute();
}

}  // namespace

const char* QueueStateName(QueueState state) {
  switch (state) {
    case QueueState::kWaiting:
      return "waiting";
    case QueueState::kHeld:
      return "held";
    case QueueState::kRunning:
      return "running";
    case QueueState::kDone:
      return "done";
    case QueueState::kFailed:
      return "failed";
  }
  return "waiting";
}

RenderQueue::RenderQueue(std::string folder) : folder_(std::move(folder)) {}

Status RenderQueue::Load(std::vector<std::string>* warnings) {
  jobs_.clear();
  next_id_ = 1;
  std::string text;
  if (!std::filesystem::exists(folder_ + kListFile)) return Status::Ok();
  if (Status s = ReadWholeFile(folder_ + kListFile, text); !s.ok()) return s;
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kHead) {
    return Status::Error(folder_ + kListFile + " is not a render queue");
  }
  for (int number = 2; std::getline(lines, line); ++number) {
    if (number == 2 && line.rfind("next\t", 0) == 0) {
      next_id_ = std::max(1, std::atoi(line.c_str() + 5));
      continue;
    }
    QueueJob job;
    const bool read = ReadJob(line, job) && !Find(job.id);
    if (read && ReadWholeFile(folder_ + SnapshotName(job.id), job.set_text).ok()) {
      next_id_ = std::max(next_id_, job.id + 1);
      jobs_.push_back(std::move(job));
    } else if (warnings) {
      warnings->push_back(folder_ + kListFile + ", line " + std::to_string(number) +
                          (read ? ": its set " + SnapshotName(job.id) + " is gone; left out"
                                : ": not a job; left out"));
    }
  }
  return Status::Ok();
}

Status RenderQueue::RestartInterrupted() {
  bool changed = false;
  for (QueueJob& job : jobs_) {
    if (job.state != QueueState::kRunning) continue;
    job.state = QueueState::kWaiting;
    changed = true;
  }
  return changed ? Save() : Status::Ok();
}

Status RenderQueue::Save() const {
  if (Status s = EnsureFolder(folder_); !s.ok()) return s;
  std::string text = std::string(kHead) + "\nnext\t" + std::to_string(next_id_) + "\n";
  for (const QueueJob& job : jobs_) {
    text += std::to_string(job.id) + "\t" + QueueStateName(job.state) + "\t" + job.width + "\t" +
            job.height + "\t" + (job.antialias ? "1" : "0") + "\t" + std::to_string(job.parts) +
            "\t" + (job.trusted ? "1" : "0") + "\t" + job.output + "\t" + OneLine(job.failure) +
            "\t" + kKindNames[static_cast<int>(job.kind)];
    if (job.kind == QueueKind::kBatch) {
      text +=
          "\t" + job.engine + "\t" + std::to_string(job.count) + "\t" + std::to_string(job.seed);
    }
    text += "\n";
  }
  return WriteFileReplacing(folder_ + kListFile, text);
}

Status RenderQueue::Add(QueueJob job, int* id) {
  if (job.output.find_first_of("\t\r\n") != std::string::npos) {
    return Status::Error("the queue cannot keep a picture name with a tab or a line break");
  }
  if (job.kind == QueueKind::kBatch && (!BatchEngine(job.engine) || job.count < 1))
    return Status::Error("a queued batch needs the engine random, evolve or mutate and a child");
  const int next = next_id_;
  job.id = next;
  job.state = QueueState::kWaiting;
  job.failure.clear();
  if (Status s = EnsureFolder(folder_); !s.ok()) return s;
  // The snapshot first: a list line never names a set that is not there.
  if (Status s = WriteFileReplacing(folder_ + SnapshotName(job.id), job.set_text); !s.ok())
    return s;
  jobs_.push_back(std::move(job));
  next_id_ = next + 1;
  if (id) *id = next;
  return Save();
}

Status RenderQueue::Remove(int id) {
  QueueJob* job = Find(id);
  if (!job) return Status::Error("there is no job " + std::to_string(id) + " in the queue");
  if (job->state == QueueState::kRunning) {
    return Status::Error("job " + std::to_string(id) + " is running; cancel it first");
  }
  jobs_.erase(jobs_.begin() + (job - jobs_.data()));
  if (Status s = Save(); !s.ok()) return s;
  std::error_code ignored;
  std::filesystem::remove(SnapshotPath(id), ignored);
  std::filesystem::remove(LogPath(id), ignored);
  return Status::Ok();
}

Status RenderQueue::Move(int id, int by) {
  QueueJob* job = Find(id);
  if (!job) return Status::Error("there is no job " + std::to_string(id) + " in the queue");
  const long from = job - jobs_.data();
  const long to = std::clamp(from + by, 0L, static_cast<long>(jobs_.size()) - 1);
  if (from < to)
    std::rotate(jobs_.begin() + from, jobs_.begin() + from + 1, jobs_.begin() + to + 1);
  if (to < from) std::rotate(jobs_.begin() + to, jobs_.begin() + from, jobs_.begin() + from + 1);
  return Save();
}

Status RenderQueue::SetState(int id, QueueState state, const std::string& failure) {
  QueueJob* job = Find(id);
  if (!job) return Status::Error("there is no job " + std::to_string(id) + " in the queue");
  job->state = state;
  job->failure = failure;
  if (state == QueueState::kRunning) {
    std::error_code ignored;
    std::filesystem::remove(LogPath(id), ignored);
  }
  return Save();
}

Status RenderQueue::KeepLog(int id, const std::string& log) const {
  return WriteFileReplacing(LogPath(id), log);
}

std::string RenderQueue::SnapshotPath(int id) const { return folder_ + SnapshotName(id); }
std::string RenderQueue::LogPath(int id) const { return folder_ + LogName(id); }

const QueueJob* RenderQueue::NextWaiting() const {
  for (const QueueJob& job : jobs_) {
    if (job.state == QueueState::kWaiting) return &job;
  }
  return nullptr;
}

QueueJob* RenderQueue::Find(int id) {
  for (QueueJob& job : jobs_) {
    if (job.id == id) return &job;
  }
  return nullptr;
}

bool QueueRunLock::TryTake(const std::string& folder) {
  Release();
  if (!EnsureFolder(folder).ok()) return false;
  fd_ = open((folder + "run.lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
  if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) Release();
  return held();
}

void QueueRunLock::Release() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

bool QueueIdle(const std::string& folder) {
  QueueRunLock probe;
  return probe.TryTake(folder);
}

RenderShare QueueShare(int leave_cores) {
  RenderShare share;
  share.nice = kQueuedNice;
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  if (leave_cores > 0 && cores > 0) share.work_threads = std::max(1, cores - leave_cores);
  return share;
}

}  // namespace vermora
