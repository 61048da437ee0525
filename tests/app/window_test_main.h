#pragma once

// What every window test includes: the widgets the tests find, the window and its fixture.
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "export_control.h"
#include "fake_prompts.h"
#include "file_control.h"
#include "lineage_control.h"
#include "main_window.h"
#include "params/settings_file.h"
#include "render_control.h"
#include "undo_control.h"

// A window working in `folder` (ending in "/") with the data includes and the given prompts.
inline vermora::app::WindowSetup TestSetup(const QString& folder, vermora::app::Prompts* prompts) {
  vermora::app::WindowSetup setup;
  setup.folder = folder.toStdString();
  setup.include_dirs = {VERMORA_DATA_DIR};
  setup.prompts = prompts;
  return setup;
}

// How long a test waits for a render, a worker or the window, in ms: only to end
// a hang, since a loaded machine is slow, not wrong.
// The caption as the user reads it, without the place of the "modified" mark.
inline QString Caption(const QWidget& w) { return QString(w.windowTitle()).remove("[*]"); }

inline constexpr int kHangMs = 120000;

// F5, and the wait while the scene is written on its worker thread.
inline void RenderAndWait(vermora::app::MainWindow& w) {
  w.render().RenderScene();
  QTRY_VERIFY_WITH_TIMEOUT(!w.render().composing(), kHangMs);
}

inline constexpr const char* kPovray = "/usr/bin/povray";

// The renderer path the windows find in the settings store.
inline void SetPovray(const QString& path) {
  QSettings(vermora::app::kSettingsOrg, vermora::app::kSettingsApp)
      .setValue(vermora::app::kPovrayPathKey, path);
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

inline QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A stand-in renderer: a shell script running `body`.
inline QString FakeRenderer(const QString& path, const QByteArray& body) {
  WriteFile(path, "#!/bin/sh\n" + body);
  QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

// What every window test holds: a fresh folder, with the program folder "home/"
// inside it, and prompts answered in advance.
class WindowTest : public QObject {
 protected:
  std::unique_ptr<QTemporaryDir> dir_;
  vermora::app::test::FakePrompts prompts_;

  // Called by each test's init(): a new folder, new prompts, the renderer given.
  // The setup script installs POV-Ray: without it a test fails, it is not skipped.
  void Reset(const QString& povray) {
    QVERIFY2(povray != kPovray || QFile::exists(kPovray),
             "POV-Ray is missing: run scripts/install-deps.sh");
    dir_ = std::make_unique<QTemporaryDir>();
    prompts_ = vermora::app::test::FakePrompts();
    SetPovray(povray);
    // What one test chose in the window is not the next one's start.
    QSettings settings(vermora::app::kSettingsOrg, vermora::app::kSettingsApp);
    settings.remove("animation");
    settings.remove(vermora::app::kQueueRunningKey);
    settings.remove(vermora::app::kQueueLeaveKey);
    settings.setValue(vermora::app::kAutoRenderKey, false);
  }
  QString Home(const QString& name = {}) const { return dir_->path() + "/home/" + name; }
  QString Beside(const QString& name) const { return dir_->path() + "/" + name; }
  // Saves `set` beside the program folder; the file's path, "" when it could not be saved.
  QString SaveBeside(const QString& name, const vermora::ParameterSet& set) const {
    return vermora::SaveSettings(Beside(name).toStdString(), set).ok() ? Beside(name) : QString();
  }
  std::unique_ptr<vermora::app::MainWindow> NewWindow() {
    return std::make_unique<vermora::app::MainWindow>(TestSetup(Home(), &prompts_));
  }
  // Writes a settings file beside the program folder and opens it in `w`.
  void Open(vermora::app::MainWindow& w, const QByteArray& lines, const char* name = "set.vmx") {
    WriteFile(Beside(name), "Quorel 0.9\r\n" + lines);
    prompts_.file_answers = {Beside(name)};
    w.files().OpenSettings();
  }
};

using namespace vermora;
using namespace vermora::app;

// Each window test binary gets a settings store of its own, so tests running
// side by side never see each other's (or the user's) renderer path. A valid
// `screen` gives the headless platform a screen of that size.
template <class TestClass>
int RunWindowTests(int argc, char** argv, QSize screen = {}) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QByteArray platform = "offscreen";
  if (screen.isValid()) {
    const QString file = config.path() + "/screen.json";
    WriteFile(file, QString(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1,
                              "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96,
                              "dpr": 1}]})")
                        .arg(screen.width())
                        .arg(screen.height())
                        .toUtf8());
    platform += ":configfile=" + file.toLocal8Bit();
  }
  qputenv("QT_QPA_PLATFORM", platform);
  QApplication app(argc, argv);
  // Tests render when they mean to: Auto render starts off.
  QSettings("Lumenfold", "Quorel").setValue("view/auto render", false);
  TestClass test;
  return QTest::qExec(&test, argc, argv);
}

#define VERMORA_WINDOW_TEST_MAIN(TestClass) \
  int main(int argc, char** argv) { return RunWindowTests<TestClass>(argc, argv); }
