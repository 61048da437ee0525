#pragma once

#include <QObject>
#include <memory>
#include <thread>

#include "anim/frame_series.h"
#include "params/parameter_set.h"

class QLabel;
class QPushButton;
class QStatusBar;

namespace vermora::app {

class Design;
class FramesPanel;
class KeySetPanel;
class RenderOutput;
class StopBox;

// The animation commands of the window: the frame series, rendering the start
// and the end values, and loading a second set as the end of an animation.
// The series runs on a worker thread on a copy of the set, so the window stays
// responsive and its own set is never touched until the series hands it back.
class AnimationRunner : public QObject {
  Q_OBJECT

 public:
  // Adds its buttons to the animation page and its video offer to `status`.
  AnimationRunner(Design& design, RenderOutput& output, QStatusBar* status, QObject* parent);
  ~AnimationRunner() override;

  bool busy() const { return busy_; }

  // The render command with the animation on: asks, then runs the series.
  void RunSeries();
  // Puts the set's own frame series, at the frame size, into the render queue
  // for the frames folder; gives its job number, or 0 after saying why not.
  // The caller has asked whether files the set uses may be read.
  int QueueSeries();
  // Ends the series after the frame being rendered ("Stop rendering").
  void Stop();
  // Ends the series at once and waits for it (the window closes).
  void Abort();

  void RenderStartValues();
  void RenderEndValues();
  void LoadSecond();

  // A field the user changed; some animation fields follow others.
  void FieldEdited(size_t index);
  // The animation buttons follow the animation switch; the page says how many
  // frames a series makes, of what size and where they go.
  void ShowButtons();

  // The pause after each frame, in which the stop button is looked at.
  void set_pause_ms(int ms) { pause_ms_ = ms; }
  StopBox* stop_box() const { return stop_box_; }
  KeySetPanel* key_sets() const { return key_sets_; }
  FramesPanel* frames() const { return frames_; }

  struct Shared;

 signals:
  // A frame was rendered and its picture shown.
  void FrameShown(int counter);
  // The series ended and the start set is back in the window.
  void SeriesDone(int rendered, bool stopped);
  // Render StartValues: the render command, with the start values shown.
  void RenderWanted();
  // An end set from `path` was mixed into the animation.
  void SecondSetMixed(const QString& path);

 private:
  void AddButtons();
  bool AfterFrame(const std::shared_ptr<Shared>& shared, const FrameReport& report);
  bool ShowFrame(const FrameReport& report);
  void Finished();
  // Tells the worker to end now and waits for it.
  void EndWorker();
  void PutBack(const ParameterSet& set);
  // The window's set and the listed key sets in turn, at the window's picture
  // size and curve; empty when none is listed or the user declines a pair.
  bool KeyChain(std::vector<ParameterSet>& chain);

  Design& design_;
  RenderOutput& output_;
  QStatusBar* status_;
  StopBox* stop_box_ = nullptr;
  QPushButton* start_values_ = nullptr;
  QPushButton* end_values_ = nullptr;
  QLabel* summary_ = nullptr;  // "10 frames of 320 × 240 pixels ... in FOLDER"
  KeySetPanel* key_sets_ = nullptr;
  FramesPanel* frames_ = nullptr;
  QPushButton* offer_video_ = nullptr;  // on the status bar after a series
  int first_frame_ = 0, frames_shown_ = 0;
  std::shared_ptr<Shared> shared_;
  std::shared_ptr<ParameterSet> work_;
  std::shared_ptr<FrameSeriesResult> result_;
  std::thread worker_;
  int pause_ms_ = 800;
  bool busy_ = false;
  bool failure_told_ = false;
};

}  // namespace vermora::app
