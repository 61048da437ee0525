#include "model_builder.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <atomic>
#include <chrono>

#include "common/data_folder.h"
#include "compose/composer.h"
#include "model/include_library.h"
#include "params/working_files.h"
#include "render/file_directives.h"

namespace vermora::app {

namespace {

// The time the scene on screen reads: set at start, and at each F5.
class SceneClock final : public Clock {
 public:
  std::uint32_t MillisecondsOfDayUtc() const override { return ms_.load(); }
  void Set(std::uint32_t ms) { ms_.store(ms); }

 private:
  std::atomic<std::uint32_t> ms_{SystemClock().MillisecondsOfDayUtc()};
};

SceneClock& TheSceneClock() {
  static SceneClock clock;
  return clock;
}

}  // namespace

const Clock& ModelClock() { return TheSceneClock(); }

void ResetModelClock() { TheSceneClock().Set(SystemClock().MillisecondsOfDayUtc()); }

IncludeLibrary& ModelIncludes() {
  static IncludeLibrary library([] {
    const DataFolder data = ProgramDataFolder();
    return WithPovrayDirs(data.path.empty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{data.path});
  }());
  return library;
}

BuiltModel BuildModel(const ParameterSet& set) {
  const auto start = std::chrono::steady_clock::now();
  BuiltModel built;
  const double w = std::atof(set.Text("edImageW").c_str()),
               h = std::atof(set.Text("edImageH").c_str());
  if (w > 0 && h > 0) built.aspect = w / h;
  ComposeOptions options;
  options.clock = &ModelClock();
  const ComposeResult composed = ComposeScene(set, options);
  auto model = std::make_shared<SceneModel>();
  if (composed.status.ok()) {
    *model = ReadSceneModel(composed.scene, &ModelIncludes());
    built.pictures = std::make_shared<GroundPictures>(ReadGroundPictures(*model, ProgramFolder()));
  } else {
    model->error = composed.status.message();
  }
  built.model = std::move(model);
  built.ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  return built;
}

void ModelBuilder::Build(const ParameterSet& set) {
  auto copy = std::make_shared<ParameterSet>(set);
  if (running_) {
    waiting_ = std::move(copy);
    return;
  }
  Start(std::move(copy));
}

void ModelBuilder::Start(std::shared_ptr<ParameterSet> set) {
  running_ = true;
  QPointer<ModelBuilder> self(this);
  QThreadPool::globalInstance()->start([self, set] {
    auto built = std::make_shared<BuiltModel>(BuildModel(*set));
    QMetaObject::invokeMethod(
        qApp,
        [self, built] {
          if (!self) return;
          self->running_ = false;
          if (self->waiting_) {
            self->Start(std::exchange(self->waiting_, nullptr));  // out of date already
            return;
          }
          emit self->Ready(*built);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace vermora::app
