// Times the window: start to shown, and F5 to preview beside POV-Ray's own time on
// the same scene. Run headless: QT_QPA_PLATFORM=offscreen build/bench/vermora_window_bench
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "main_window.h"
#include "params/working_files.h"
#include "preview_picture.h"
#include "render/render_command.h"
#include "render_control.h"

namespace {

class Silent final : public vermora::app::Prompts {
 public:
  void Error(QWidget*, const QString& m) override {
    std::fprintf(stderr, "error: %s\n", qPrintable(m));
  }
  void Warning(QWidget*, const QString&) override {}
  void Inform(QWidget*, const QString&) override {}
  bool Confirm(QWidget*, const QString&) override { return false; }
  bool Ask(QWidget*, const QString&) override { return true; }
  vermora::app::UnsavedAnswer AskUnsaved(QWidget*) override {
    return vermora::app::UnsavedAnswer::kDiscard;
  }
  QString OpenFile(QWidget*, const vermora::app::FileDialogTexts&) override { return {}; }
  QString SaveFile(QWidget*, const vermora::app::FileDialogTexts&) override { return {}; }
  std::optional<QString> Input(QWidget*, const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  QString ChooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QSettings(vermora::app::kSettingsOrg, vermora::app::kSettingsApp)
      .setValue("view/auto render", false);
  QTemporaryDir home;
  Silent prompts;
  vermora::app::WindowSetup setup{home.path().toStdString() + "/", {VERMORA_DATA_DIR}, &prompts};
  vermora::app::MainWindow window(setup);
  window.show();
  app.processEvents();
  std::printf("start to window shown: %lld ms\n", static_cast<long long>(clock.elapsed()));

  const int runs = 5;
  qint64 window_ms = 0, povray_ms = 0;
  for (int i = 0; i < runs; ++i) {
    QEventLoop loop;
    QObject::connect(&window, &vermora::app::MainWindow::RenderDone, &loop, &QEventLoop::quit);
    clock.restart();
    window.render().RenderScene();
    loop.exec();
    app.processEvents();
    window_ms += clock.elapsed();

    // The baseline: POV-Ray alone on the scene the window just wrote.
    vermora::RenderSetup plain;
    plain.povray_path = window.povray_path();
    plain.folder = setup.folder;
    plain.include_dirs = setup.include_dirs;
    vermora::PreparedRender prepared = vermora::PrepareRender(window.set(), plain);
    const auto t0 = std::chrono::steady_clock::now();
    (void)vermora::RunRenderer(prepared.invocation);
    povray_ms +=
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0)
            .count();
  }
  std::printf("F5 to preview (default size, mean of %d): %lld ms; POV-Ray alone: %lld ms\n", runs,
              static_cast<long long>(window_ms / runs), static_cast<long long>(povray_ms / runs));
  // Auto render: an edit of a field, then the picture of the pane's size. The figure
  // from the edit holds the 300 ms wait for more typing; the other is compose + render.
  window.findChild<QAction*>("AutoRender")->setChecked(true);
  auto* number = window.findChild<QLineEdit*>("EdNumber");
  auto* pane = window.findChild<vermora::app::PreviewPicture*>("Image1");
  qint64 edit_ms = 0, auto_povray_ms = 0;
  for (int i = 0; i < runs; ++i) {
    QEventLoop loop;
    QObject::connect(&window, &vermora::app::MainWindow::RenderDone, &loop, &QEventLoop::quit);
    const QString text = i % 2 ? "30" : "31";
    number->setText(text);
    emit number->textEdited(text);
    loop.exec();
    app.processEvents();
    edit_ms += window.render().last_picture_ms();

    vermora::ParameterSet sized = window.set();
    const QSize fit = pane->FittingSize(209, 163);
    sized.SetText("edImageW", std::to_string(fit.width()));
    sized.SetText("edImageH", std::to_string(fit.height()));
    vermora::RenderSetup plain;
    plain.povray_path = window.povray_path();
    plain.folder = setup.folder;
    plain.include_dirs = setup.include_dirs;
    vermora::PreparedRender prepared = vermora::PrepareRender(sized, plain);
    const auto t0 = std::chrono::steady_clock::now();
    (void)vermora::RunRenderer(prepared.invocation);
    auto_povray_ms +=
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0)
            .count();
  }
  const QSize fit = pane->FittingSize(209, 163);
  std::printf(
      "Auto render at %dx%d, edit to picture (mean of %d): %lld ms, of which 300 ms wait for "
      "more typing; POV-Ray alone at that size: %lld ms\n",
      fit.width(), fit.height(), runs, static_cast<long long>(edit_ms / runs),
      static_cast<long long>(auto_povray_ms / runs));
  // VERMORA_BENCH_HOLD=N keeps the window up N seconds, for a look at the result.
  if (const int hold = qEnvironmentVariableIntValue("VERMORA_BENCH_HOLD"); hold > 0) {
    if (auto* pages = window.findChild<QTabWidget*>("PageControl1")) {
      pages->setCurrentIndex(qEnvironmentVariableIntValue("VERMORA_BENCH_PAGE"));
    }
    QElapsedTimer held;
    held.start();
    while (held.elapsed() < hold * 1000) app.processEvents(QEventLoop::AllEvents, 50);
  }
  return 0;
}
