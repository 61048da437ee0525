#include "queue_worker.h"

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

QueueWorker::QueueWorker(QObject* parent) : QObject(parent) {}

QueueWorker::~QueueWorker() {
  if (cancel_) *cancel_ = true;
  Join();
}

void QueueWorker::Join() {
  if (worker_.joinable()) worker_.join();
}

void QueueWorker::Run(Job job) {
  busy_ = true;
  Join();
  worker_ = std::thread([this, job = std::move(job), cancel = cancel_] {
    std::string failure, log;
    job(failure, log);
    if (failure.empty() && *cancel) failure = kCancelled;
    QMetaObject::invokeMethod(
        this,
        [this, failure = FromCore(failure), log = FromCore(log)] {
          busy_ = false;
          emit Finished(failure, log);
        },
        Qt::QueuedConnection);
  });
}

void QueueWorker::Tell(int percent) {
  QMetaObject::invokeMethod(
      this, [this, percent] { emit Progress(percent); }, Qt::QueuedConnection);
}

bool QueueWorker::StartSeries(const ParameterSet& set, FrameSeriesSettings settings,
                              const std::string& target) {
  if (busy_) return false;
  auto work = std::make_shared<QTemporaryDir>(QDir::temp().filePath("vermora-series-XXXXXX"));
  if (!work->isValid()) {
    QMetaObject::invokeMethod(
        this, [this] { emit Finished("no working folder in " + QDir::tempPath(), {}); },
        Qt::QueuedConnection);
    return true;
  }
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  settings.folder = ToCore(work->path()) + "/";
  Run([this, set = ParameterSet(set), settings, target, work, cancel = cancel_](
          std::string& failure, std::string& log) mutable {
    const int frames = std::max(1, FramesToRender(set));
    int done = 0;
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
      Tell(100 * ++done / frames);
      return true;
    };
    const FrameSeriesResult result = RunFrameSeries(set, settings);
    if (failure.empty() && result.stopped) failure = kCancelled;
    if (failure.empty() && !result.status.ok()) failure = result.status.message();
  });
  return true;
}

bool QueueWorker::StartBatch(const ParameterSet& parent, BatchSettings settings) {
  if (busy_) return false;
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  settings.cancel = cancel_.get();
  Run([this, parent = ParameterSet(parent), settings, cancel = cancel_](std::string& failure,
                                                                        std::string& log) {
    std::atomic<int> done{0};
    int children = 1;
    BatchTalk talk;
    talk.note = talk.wrote = [&log](const std::string& what) { log += what + "\n"; };
    talk.fail = [&](const std::string& what) {
      log += what + "\n";
      if (failure.empty()) failure = what;
    };
    talk.starting = [&](int n) { children = std::max(1, n); };
    talk.step = [&](const std::string& line, bool failed) {
      log += line + "\n";  // one step at a time (RenderScenes)
      if (failed && failure.empty()) failure = line;
      Tell(100 * ++done / children);
    };
    const int code = RunBatch(settings, parent, GeneLocks(), talk);
    if (code != 0 && failure.empty())
      failure = "the batch ended with status " + std::to_string(code);
    if (code == 0) failure.clear();
  });
  return true;
}

void QueueWorker::Cancel() {
  if (cancel_) *cancel_ = true;
}

}  // namespace vermora::app
