#include "queued_series.h"

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>

#include "prompts.h"
#include "render/renderer.h"

namespace vermora::app {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCancelled = "Rendering cancelled";

// Moves a frame's picture into `target`, replacing a frame of an earlier series.
bool MoveFrame(const fs::path& picture, const std::string& target) {
  std::error_code ec;
  const fs::path to = fs::path(target) / picture.filename();
  fs::rename(picture, to, ec);
  if (!ec) return true;
  ec.clear();
  fs::copy_file(picture, to, fs::copy_options::overwrite_existing, ec);
  return !ec;
}

}  // namespace

QueuedSeries::QueuedSeries(QObject* parent) : QObject(parent) {}

QueuedSeries::~QueuedSeries() {
  if (cancel_) *cancel_ = true;
  Join();
}

void QueuedSeries::Join() {
  if (worker_.joinable()) worker_.join();
}

bool QueuedSeries::Start(const ParameterSet& set, FrameSeriesSettings settings,
                         const std::string& target) {
  if (busy_) return false;
  Join();
  auto work = std::make_shared<QTemporaryDir>(QDir::temp().filePath("vermora-series-XXXXXX"));
  if (!work->isValid()) {
    QMetaObject::invokeMethod(
        this, [this] { emit Finished("no working folder in " + QDir::tempPath(), {}); },
        Qt::QueuedConnection);
    return true;
  }
  busy_ = true;
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  settings.folder = ToCore(work->path()) + "/";
  worker_ = std::thread(
      [this, set = ParameterSet(set), settings, target, work, cancel = cancel_]() mutable {
        const int frames = std::max(1, FramesToRender(set));
        int done = 0;
        std::string failure, log;
        settings.render = [cancel](const RenderInvocation& invocation) {
          return RunRenderer(invocation, 0, cancel.get());
        };
        settings.running = [cancel] { return !*cancel; };
        settings.after_frame = [&](const FrameReport& report) {
          if (!report.outcome.ok()) {
            failure = "frame " + std::to_string(report.counter) + ": " + report.outcome.failure;
            if (report.outcome.failure == kCancelled) failure = kCancelled;
            log = report.outcome.messages.empty() ? report.outcome.output : report.outcome.messages;
            return false;
          }
          const fs::path scene(report.scene_path);
          if (!MoveFrame(scene.parent_path() / (scene.stem().string() + ".bmp"), target)) {
            failure = "cannot put frame " + std::to_string(report.counter) + " into " + target;
            return false;
          }
          const int percent = 100 * ++done / frames;
          QMetaObject::invokeMethod(
              this, [this, percent] { emit Progress(percent); }, Qt::QueuedConnection);
          return true;
        };
        const FrameSeriesResult result = RunFrameSeries(set, settings);
        if (failure.empty() && result.stopped) failure = kCancelled;
        if (failure.empty() && !result.status.ok()) failure = result.status.message();
        if (failure.empty() && *cancel) failure = kCancelled;
        QMetaObject::invokeMethod(
            this,
            [this, failure = FromCore(failure), log = FromCore(log)] {
              busy_ = false;
              emit Finished(failure, log);
            },
            Qt::QueuedConnection);
      });
  return true;
}

void QueuedSeries::Cancel() {
  if (cancel_) *cancel_ = true;
}

}  // namespace vermora::app
