#pragma once

#include <QObject>
#include <memory>
#include <thread>

#include "anim/frame_series.h"
#include "params/parameter_set.h"

class QPushButton;

namespace vermora::app {

class MainWindow;
class StopBox;

// The animation commands of the window: the frame series, rendering the start
// and the end values, and loading a second set as the end of an animation.
// The series runs on a worker thread on a copy of the set, so the window stays
// responsive and its own set is never touched until the series hands it back.
class AnimationRunner : public QObject {
  Q_OBJECT

 public:
  explicit AnimationRunner(MainWindow* window);
  ~AnimationRunner() override;

  bool busy() const { return busy_; }

  // The render command with the animation on: asks, then runs the series.
  void RunSeries();
  // Ends the series after the frame being rendered ("Stop rendering").
  void Stop();
  // Ends the series at once and waits for it (the window closes).
  void Abort();

  void RenderStartValues();
  void RenderEndValues();
  void LoadSecond();

  // A field the user changed; some animation fields follow others.
  void FieldEdited(size_t index);
  // The animation buttons follow the animation switch.
  void ShowButtons();

  // The pause after each frame, in which the stop button is looked at.
  void set_pause_ms(int ms) { pause_ms_ = ms; }
  StopBox* stop_box() const { return stop_box_; }

  struct Shared;

 signals:
  // A frame was rendered and its picture shown.
  void FrameShown(int counter);
  // The series ended and the start set is back in the window.
  void SeriesDone(int rendered, bool stopped);

 private:
  void AddButtons();
  bool AfterFrame(const std::shared_ptr<Shared>& shared, const FrameReport& report);
  bool ShowFrame(const FrameReport& report);
  void Finished();
  // Tells the worker to end now and waits for it.
  void EndWorker();
  void PutBack(const ParameterSet& set);

  MainWindow* window_;
  StopBox* stop_box_ = nullptr;
  QPushButton* start_values_ = nullptr;
  QPushButton* end_values_ = nullptr;
  std::shared_ptr<Shared> shared_;
  std::shared_ptr<ParameterSet> work_;
  std::shared_ptr<FrameSeriesResult> result_;
  std::thread worker_;
  int pause_ms_ = 800;
  bool busy_ = false;
  bool failure_told_ = false;
};

}  // namespace vermora::app
