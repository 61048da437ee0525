// vermora: the window for designing creatures and rendering them with POV-Ray.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/data_folder.h"
#include "file_control.h"
#include "main_window.h"
#include "params/parameter_set.h"
#include "params/working_files.h"
#include "prompts.h"
#include "render/sandbox.h"
#include "splash.h"

namespace {

void Describe(QCommandLineParser& options) {
  options.setApplicationDescription("Design organic 3-D creatures and render them with POV-Ray.");
  options.addHelpOption();
  options.addVersionOption();
  options.addPositionalArgument(
      "FILE", "a creature (.vmx), texture (.vtr), background (.vbk) or PNG picture to open");
}

// The window's application. A misspelt parameter name that no command caught
// is shown in an error box and its event dropped, so it cannot end the program.
class Application final : public QApplication {
 public:
  using QApplication::QApplication;
  void ReportTo(vermora::app::Prompts* prompts) { prompts_ = prompts; }

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const vermora::UnknownParameter& unknown) {
      std::fprintf(stderr, "vermora: %s\n", unknown.message.c_str());
      if (prompts_) {
        prompts_->Error(QApplication::activeWindow(), vermora::app::FromCore(unknown.message));
      }
      return false;
    }
  }

 private:
  vermora::app::Prompts* prompts_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
        arg == "--version") {
      // Text only: no display needed.
      QCoreApplication text(argc, argv);
      QCoreApplication::setApplicationVersion("0.99g");
      QCommandLineParser options;
      Describe(options);
      options.process(text);  // prints and ends the program
    }
  }
  Application app(argc, argv);
  QApplication::setApplicationVersion("0.99g");
  QApplication::setDesktopFileName("org.lumenfold.vermora");
  QCommandLineParser options;
  Describe(options);
  options.process(app);

  vermora::app::Splash splash;
  splash.show();
  app.processEvents();
  QApplication::setApplicationName(vermora::app::kAppTitle);

  vermora::app::DialogPrompts prompts;
  app.ReportTo(&prompts);
  vermora::app::WindowSetup setup;
  setup.folder = vermora::ProgramFolder();
  const vermora::DataFolder data = vermora::ProgramDataFolder();
  if (!data.path.empty()) setup.include_dirs = {data.path};
  setup.prompts = &prompts;
  vermora::app::MainWindow window(setup);

  splash.close();
  window.show();
  if (data.path.empty()) prompts.Error(&window, vermora::app::FromCore(data.Problem()));
  // Said once, before the first picture: a shared set's render would not be closed in.
  if (const std::string notice = vermora::TakeSandboxNotice(); !notice.empty()) {
    prompts.Warning(&window, vermora::app::FromCore(notice));
  }
  if (!options.positionalArguments().isEmpty())
    window.files().OpenPath(options.positionalArguments().front());
  if (std::getenv("VERMORA_STARTUP_TIME")) {
    app.processEvents();
    std::fprintf(stderr, "window shown after %lld ms\n", static_cast<long long>(clock.elapsed()));
  }
  return app.exec();
}
