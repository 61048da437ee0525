// vermora: the window for designing creatures and rendering them with POV-Ray.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

#include "main_window.h"
#include "params/working_files.h"
#include "prompts.h"
#include "splash.h"

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  vermora::app::Splash splash;
  splash.show();
  app.processEvents();
  QApplication::setApplicationName(vermora::app::kAppTitle);

  vermora::app::DialogPrompts prompts;
  vermora::app::WindowSetup setup;
  setup.folder = vermora::ProgramFolder();
  const char* data = std::getenv("VERMORA_DATA");
  setup.include_dirs = {data && *data ? data : VERMORA_DATA_DIR};
  setup.prompts = &prompts;
  vermora::app::MainWindow window(setup);

  splash.close();
  window.show();
  if (std::getenv("VERMORA_STARTUP_TIME")) {
    app.processEvents();
    std::fprintf(stderr, "window shown after %lld ms\n", static_cast<long long>(clock.elapsed()));
  }
  return app.exec();
}
