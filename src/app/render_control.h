#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "render/file_directives.h"
#include "render/render_command.h"
#include "render/renderer.h"

class QAction;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace vermora::app {

class Design;
class PicturePane;
class RangeNotice;
class RenderOutput;
class RenderRunner;

// Rendering and the preview: F5, the automatic render that follows each edit,
// the texture and background previews. The scene is written from a copy of the
// set on a worker thread, POV-Ray runs as a child process, one at a time, with
// its progress and a Cancel on the status bar; the picture and the messages go
// to the render output.
class RenderControl : public QObject {
  Q_OBJECT

 public:
  struct Widgets {
    QTabWidget* pages = nullptr;     // the engine of the Features sub-page in view runs on F5
    PicturePane* pane = nullptr;     // the 3-D view follows each change
    QAction* auto_render = nullptr;  // View > Auto render
    QAction* estimate = nullptr;     // Povray > Estimation of used objects
    QStatusBar* status = nullptr;
  };
  RenderControl(Design& design, RenderOutput& output, const Widgets& widgets, QObject* parent);

  void RenderScene();
  void CancelRender();
  // Renders a preview scene in place of the creature (texture and background previews).
  void RenderPreview(const std::string& scene);
  // Auto render: the latest edit's picture, about 300 ms after the edits stop.
  void ScheduleAutoRender();
  void StopAutoRender();
  // Ends the renderer and waits for it (the window closes).
  void Stop();

  // F5's render, a preview or a scene being written for them runs.
  bool busy() const;
  bool auto_rendering() const;
  // The scene is being written (F5's or an automatic render's), before the renderer starts.
  bool composing() const { return composing_; }
  // Edit to picture of the last automatic render, or F5 to picture, in ms.
  qint64 last_picture_ms() const { return last_picture_ms_; }
  // The status bar's progress and Cancel, shown while the design is locked.
  void ShowProgress(bool shown);

  // Before the first render of a loaded set whose texts read or write files:
  // shows those lines and asks; false when the user says no.
  bool TrustedToRender();
  std::vector<FileDirective> UnapprovedFileUses() const;
  // A new set is on show: what the last one was allowed is not this one's.
  void ForgetApprovals() { approved_file_uses_.clear(); }

  // The number of objects above which F5 asks before rendering and auto render
  // stops; kept in the settings.
  double ObjectLimit() const;
  void AskObjectLimit();

 signals:
  // After a render ended and its picture and messages are shown.
  void RenderDone(bool ok);
  // F5 with the animation on: the series is to run.
  void SeriesWanted();
  // Cancel: a series running ends after its frame.
  void StopSeries();

 private:
  // Within the object limit, or the user says to render anyway.
  bool WithinObjectLimit();
  // Every entry field usable, or the user says to render anyway.
  bool EntriesUsable();
  // Runs the engine of the Features sub-page in view, if any; false when it failed.
  bool RunVisibleEngine();
  // The object count question; false when the user stops the render.
  bool EstimateGoesOn();
  void AutoRender();
  // Writes the scene of a copy of the set on a worker thread; ComposeDone goes on.
  void StartCompose(bool automatic);
  void ComposeDone(PreparedRender prepared);
  // Runs `next` now, or once the automatic scene being written is done.
  void WhenComposeFree(std::function<void()> next);
  void RenderFinished(const RenderOutcome& outcome);
  bool auto_on() const;

  Design& design_;
  RenderOutput& output_;
  Widgets widgets_;
  RenderRunner* runner_ = nullptr;
  RangeNotice* ranges_ = nullptr;
  QTimer* auto_timer_ = nullptr;
  QProgressBar* progress_ = nullptr;  // RenderProgress
  QPushButton* cancel_ = nullptr;     // CancelRender
  qint64 render_started_ms_ = 0;
  qint64 edited_ms_ = 0;
  qint64 last_picture_ms_ = 0;
  bool composing_ = false;
  bool compose_automatic_ = false;
  bool compose_again_ = false;  // an edit came while an automatic scene was written
  bool compose_cancelled_ = false;
  std::function<void()> after_compose_;  // F5 or a preview came while a scene was written
  bool auto_running_ = false;            // the renderer runs an automatic render
  // The uses of files ("field: directive") the user agreed to render.
  std::vector<std::string> approved_file_uses_;
};

}  // namespace vermora::app
