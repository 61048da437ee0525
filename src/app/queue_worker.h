#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "anim/frame_series.h"
#include "params/parameter_set.h"
#include "variation/batch_run.h"

namespace vermora::app {

// The render queue's jobs of many renders, each run on a worker thread so the
// window stays free: a frame series, rendered in a private folder (a set
// writes nothing of the user's) with each finished frame moved into the job's
// folder; and a batch of children, written into the job's folder as
// vermora-cli batch writes them.
class QueueWorker : public QObject {
  Q_OBJECT

 public:
  explicit QueueWorker(QObject* parent = nullptr);
  // Ends the job at once and waits for it.
  ~QueueWorker() override;

  // Renders the series of `set` with `settings` (their folder is made here)
  // into `target`, which ends in "/". False while a job runs.
  bool StartSeries(const ParameterSet& set, FrameSeriesSettings settings,
                   const std::string& target);
  // Renders the batch of `parent`'s children `settings` describe. False while
  // a job runs.
  bool StartBatch(const ParameterSet& parent, BatchSettings settings);
  // Ends the rendering now; Finished follows with "Rendering cancelled".
  void Cancel();
  bool busy() const { return busy_; }

 signals:
  void Progress(int percent);
  // `failure` is empty when every render succeeded; `log` is what POV-Ray
  // said of a frame that failed, or what the batch said.
  void Finished(const QString& failure, const QString& log);

 private:
  // Runs `job` on the worker; it gives the failure (empty: done) and the log.
  using Job = std::function<void(std::string& failure, std::string& log)>;
  void Run(Job job);
  void Join();
  // Tells the window how far the job is, from the worker.
  void Tell(int percent);

  std::thread worker_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  bool busy_ = false;
};

}  // namespace vermora::app
