#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <functional>
#include <memory>
#include <string>

#include "params/parameter_set.h"
#include "render/private_folder.h"
#include "render/render_command.h"
#include "render/renderer.h"

namespace vermora::app {

// Runs the renderer as a child process without blocking the event loop: no shell,
// the arguments as they are, one render at a time.
class RenderRunner : public QObject {
  Q_OBJECT

 public:
  explicit RenderRunner(QObject* parent = nullptr);
  ~RenderRunner() override;

  // False while another render runs.
  bool Start(const RenderInvocation& invocation);
  bool busy() const { return busy_; }
  // Ends the renderer; Finished follows with a cancelled outcome.
  void Cancel();
  // Ends the renderer and waits for it, without reporting back (the window closes).
  void Stop();
  qint64 elapsed_ms() const { return clock_.elapsed(); }

 signals:
  void Progress(int percent);
  void Finished(const vermora::RenderOutcome& outcome);

 private:
  void ReadOutput();
  void Done(int exit_code);
  // Kills the whole run: the renderer and the sandbox around it.
  void EndRun();

  QProcess* process_ = nullptr;
  RenderInvocation invocation_;
  StagedRender staged_;
  std::string output_;
  QElapsedTimer clock_;
  bool busy_ = false;
  bool cancelled_ = false;
};

// Writes the scene of `set` (PrepareRender) on a worker thread, so a large
// creature never holds up the window, and hands the result to `then` on the
// window's thread, unless `context` is gone by then.
void PrepareInBackground(QObject* context, std::shared_ptr<const ParameterSet> set,
                         const RenderSetup& setup, std::function<void(PreparedRender)> then);

}  // namespace vermora::app
