#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "anim/frame_series.h"
#include "params/parameter_set.h"

namespace vermora::app {

// A frame series of the render queue: rendered on a worker thread in a
// private folder, so the window stays free and a set writes nothing of the
// user's; each finished frame is then moved into the job's folder.
class QueuedSeries : public QObject {
  Q_OBJECT

 public:
  explicit QueuedSeries(QObject* parent = nullptr);
  // Ends the series at once and waits for it.
  ~QueuedSeries() override;

  // Renders the series of `set` with `settings` (their folder is made here)
  // into `target`, which ends in "/". False while a series runs.
  bool Start(const ParameterSet& set, FrameSeriesSettings settings, const std::string& target);
  // Ends the frame rendering now; Finished follows with "Rendering cancelled".
  void Cancel();
  bool busy() const { return busy_; }

 signals:
  void Progress(int percent);
  // `failure` is empty when every frame was rendered; `log` is what POV-Ray
  // said of a frame that failed.
  void Finished(const QString& failure, const QString& log);

 private:
  void Join();

  std::thread worker_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  bool busy_ = false;
};

}  // namespace vermora::app
