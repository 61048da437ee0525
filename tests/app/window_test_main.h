#pragma once

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "main_window.h"

// A window working in `folder` (ending in "/") with the data includes and the given prompts.
inline vermora::app::WindowSetup TestSetup(const QString& folder, vermora::app::Prompts* prompts) {
  vermora::app::WindowSetup setup;
  setup.folder = folder.toStdString();
  setup.include_dirs = {VERMORA_DATA_DIR};
  setup.prompts = prompts;
  return setup;
}

// F5, and the wait while the scene is written on its worker thread.
inline void RenderAndWait(vermora::app::MainWindow& w) {
  w.RenderScene();
  QTRY_VERIFY_WITH_TIMEOUT(!w.composing(), 20000);
}

// Each window test binary gets a settings store of its own, so tests running
// side by side never see each other's (or the user's) renderer path.
#define VERMORA_WINDOW_TEST_MAIN(TestClass)                          \
  int main(int argc, char** argv) {                                  \
    QTemporaryDir config;                                            \
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());         \
    qputenv("QT_QPA_PLATFORM", "offscreen");                         \
    QApplication app(argc, argv);                                    \
    /* Tests render when they mean to: Auto render starts off. */    \
    QSettings("Lumenfold", "Quorel").setValue("view/auto render", false); \
    TestClass test;                                                  \
    return QTest::qExec(&test, argc, argv);                          \
  }
