// Times the 3-D view: the model of the default set and of about 100,000 objects,
// edit to 3-D picture in the window, and orbiting frames per second at about 10,000
// and 100,000 objects, beside POV-Ray's time for the default picture. Needs a
// display with OpenGL:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/vermora_view_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "compose/composer.h"
#include "creature_view.h"
#include "model_builder.h"
#include "params/settings_file.h"
#include "render/render_command.h"
#include "render/renderer.h"

using namespace vermora;

namespace {

ParameterSet Segments(int per_arm) {
  ParameterSet set;
  set.SetText("EdNumber", std::to_string(per_arm));
  return set;
}

double Ms(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

// Compose alone, then reading the scene text into the model, best of `runs`.
void TimeModel(const char* name, const ParameterSet& set, int runs) {
  double compose = 1e9, read = 1e9;
  size_t instances = 0;
  for (int i = 0; i < runs; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    const ComposeResult composed = ComposeScene(set);
    compose = std::min(compose, Ms(t0));
    t0 = std::chrono::steady_clock::now();
    const SceneModel model = ReadSceneModel(composed.scene);
    read = std::min(read, Ms(t0));
    instances = model.instances.size();
  }
  std::printf("%-22s %8zu objects  compose %8.2f ms  model %8.2f ms\n", name, instances, compose,
              read);
}

// Frames a second while the view turns a degree a frame, over about two seconds.
void TimeOrbit(const char* name, const ParameterSet& set, bool surroundings = true) {
  app::CreatureView view;
  view.ShowSurroundings(surroundings);
  view.resize(640, 480);
  view.show();
  view.Show(app::BuildModel(set));
  QElapsedTimer clock;
  clock.start();
  while (view.frames_drawn() < 1 && clock.elapsed() < 20000) qApp->processEvents();
  const int first = view.frames_drawn();
  clock.restart();
  while (clock.elapsed() < 2000) {
    view.Orbit(1, 0);
    view.repaint();
    qApp->processEvents();
  }
  const double fps = (view.frames_drawn() - first) * 1000.0 / clock.elapsed();
  std::printf("%-22s %8zu objects  %9zu triangles  %6.1f frames a second\n", name,
              view.shown().model->instances.size(), view.triangles(), fps);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TimeModel("default set", ParameterSet{}, 20);
  TimeModel("~100k objects", Segments(6275), 3);

  // Edit to 3-D picture: the model built off the window's thread, then drawn.
  {
    app::CreatureView view;
    view.resize(640, 480);
    view.show();
    app::ModelBuilder builder;
    QObject::connect(&builder, &app::ModelBuilder::Ready, &view, &app::CreatureView::Show);
    double total = 0, settled = 0;
    const int runs = 10;
    for (int i = 0; i < runs; ++i) {
      while (!view.settled()) app.processEvents();
      const int drawn = view.frames_drawn();
      QElapsedTimer clock;
      clock.start();
      builder.Build(Segments(i % 2 ? 30 : 29));
      while (view.frames_drawn() == drawn && clock.elapsed() < 5000) app.processEvents();
      total += clock.nsecsElapsed() / 1e6;
      while (!view.settled() && clock.elapsed() < 5000) app.processEvents();
      settled += clock.nsecsElapsed() / 1e6;
    }
    std::printf(
        "default set, edit to 3-D picture (mean of %d): %.1f ms, with its shadows %.1f ms\n", runs,
        total / runs, settled / runs);
  }
  TimeOrbit("orbit, ~10k objects", Segments(628));
  TimeOrbit("orbit, ~100k objects", Segments(6275));
  {  // the sea floor, fog and shadows behind a creature
    ParameterSet anemone;
    if (LoadSettings(std::string(VERMORA_DATA_DIR) + "/examples/sea-anemone.vmx", anemone).ok()) {
      TimeOrbit("orbit, sea anemone", anemone);
      TimeOrbit("orbit, anemone alone", anemone, false);
    }
  }

  // POV-Ray on the default picture, for comparison.
  QTemporaryDir folder;
  const std::string dir = folder.path().toStdString() + "/";
  RenderSetup setup;
  setup.povray_path = "/usr/bin/povray";
  setup.folder = dir;
  setup.include_dirs = {VERMORA_DATA_DIR};
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    PreparedRender prepared = PrepareRender(ParameterSet{}, setup);
    const auto t0 = std::chrono::steady_clock::now();
    (void)RunRenderer(prepared.invocation);
    best = std::min(best, Ms(t0));
  }
  std::printf("POV-Ray, default picture 209x163 (best of 3): %.0f ms\n", best);
  return 0;
}
