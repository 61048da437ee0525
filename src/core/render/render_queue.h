#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/status.h"
#include "render/command_line.h"

namespace vermora {

// Where a final render stands in the queue.
enum class QueueState { kWaiting, kHeld, kRunning, kDone, kFailed };

// "waiting", "held", "running", "done", "failed": the word the queue file and
// the lists use.
const char* QueueStateName(QueueState state);

// What a job renders: one picture, the set's frame series into a folder, or a
// batch of the set's children into a folder (with their index and contact sheet).
enum class QueueKind { kStill, kSeries, kBatch };

// One final render: a snapshot of the set as it was when it was queued (not
// its file, which may change or go), the picture's size and finish, and where
// the picture goes.
struct QueueJob {
  int id = 0;  // unique in its queue, from 1
  QueueState state = QueueState::kWaiting;
  QueueKind kind = QueueKind::kStill;
  // A batch's engine ("random", "evolve" or "mutate"), children and seed.
  std::string engine;
  int count = 0;
  std::uint32_t seed = 0;
  std::string width, height;  // checked picture sides
  bool antialias = false;
  int parts = 1;         // bands of rows rendered side by side
  bool trusted = false;  // the user let its texts use files when it was queued
  std::string output;    // the picture's absolute path, or the frames' folder
  std::string set_text;  // the settings file's bytes
  std::string failure;   // why it failed, one line
};

// The queue of final renders, kept in a folder of its own (in the program
// folder) so that it outlives the program: queue.txt lists the jobs in order,
// job<ID>.vmx holds each snapshot, and a job's number is never given again. Every change is saved
// at once, each file replaced whole, so a crash leaves the queue as it was before or after it.
class RenderQueue {
 public:
  explicit RenderQueue(std::string folder);  // ends in "/"

  // Reads the queue as it was saved; a line it cannot read, or a job whose
  // snapshot is gone, is left out and named in `warnings`. No queue yet is an
  // empty one.
  Status Load(std::vector<std::string>* warnings = nullptr);
  // Lets every job that was running wait again: a run that ended (or crashed)
  // in the middle of it. Only whoever holds the run lock, or could take it,
  // may say so. Saves when a job changed.
  Status RestartInterrupted();
  Status Save() const;

  // Adds `job` at the end as waiting, with the next id; refuses an output
  // path that the list cannot hold (a tab or a line break). Saves.
  Status Add(QueueJob job, int* id = nullptr);
  // Removes a job that is not running, with its snapshot. Saves.
  Status Remove(int id);
  // Moves a job `by` places (negative: up), within the list. Saves.
  Status Move(int id, int by);
  // Sets a job's state (and its failure). Saves. A job that runs again
  // loses the log of its last failure.
  Status SetState(int id, QueueState state, const std::string& failure = "");
  // Keeps what the renderer said in a job's failed run (LogPath).
  Status KeepLog(int id, const std::string& log) const;

  // The snapshot of a job's set, and the log of its last failed run.
  std::string SnapshotPath(int id) const;
  std::string LogPath(int id) const;

  const std::vector<QueueJob>& jobs() const { return jobs_; }
  // The first waiting job, or null.
  const QueueJob* NextWaiting() const;
  const std::string& folder() const { return folder_; }

 private:
  QueueJob* Find(int id);

  std::string folder_;
  std::vector<QueueJob> jobs_;
  int next_id_ = 1;  // a removed job's number is not given again
};

// The lock one runner of a queue holds while it runs it (the window's or
// vermora-cli's). It goes with the process, however that ends.
class QueueRunLock {
 public:
  QueueRunLock() = default;
  ~QueueRunLock() { Release(); }
  QueueRunLock(const QueueRunLock&) = delete;
  QueueRunLock& operator=(const QueueRunLock&) = delete;

  // Takes the lock of the queue in `folder` unless another runner holds it.
  bool TryTake(const std::string& folder);
  void Release();
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// True when no runner holds the lock of the queue in `folder` now.
bool QueueIdle(const std::string& folder);

// What a queued render may take of this machine: low priority, and all cores
// but `leave_cores` (at least one) for POV-Ray's threads.
RenderShare QueueShare(int leave_cores);

}  // namespace vermora
