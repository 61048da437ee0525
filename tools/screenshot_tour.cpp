// A tour of the window for people to look at: every page and sub-page, and the
// Variations view, each grabbed from the screen (with its window frame) as a PNG.
// Run it under an X server with a window manager: scripts/screenshots.sh does.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "animation_runner.h"
#include "frames_panel.h"
#include "main_window.h"
#include "prompts.h"
#include "queue_panel.h"
#include "render_control.h"
#include "splash.h"

namespace {

QString out_dir;
int shot = 0;

void Settle(int ms = 250) {
  QTimer wait;
  wait.setSingleShot(true);
  wait.start(ms);
  while (wait.isActive()) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Grab(const QString& name) {
  Settle();
  QString file = QString("%1/%2-%3.png").arg(out_dir).arg(++shot, 2, 10, QChar('0')).arg(name);
  file.replace(' ', '_');
  QProcess::execute("import", {"-window", "root", file});
  std::printf("%s\n", qPrintable(file));
}

// Shows each tab of `tabs` in turn, going down into tabs within tabs.
void Walk(QTabWidget* tabs, const QString& path) {
  for (int i = 0; i < tabs->count(); ++i) {
    if (!tabs->isTabVisible(i)) continue;
    tabs->setCurrentIndex(i);
    const QString here = path.isEmpty() ? tabs->tabText(i) : path + "-" + tabs->tabText(i);
    auto* inner = qobject_cast<QTabWidget*>(tabs->widget(i));
    if (inner) {
      Walk(inner, here);
    } else {
      Grab(QString(here).remove('&').remove('/'));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: screenshot_tour OUTDIR [SET.vmx]\n");
    return 2;
  }
  out_dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out_dir);
  QTemporaryDir folder;
  // A first start would ask for the renderer's path: give it, and start without Auto render
  // so each page is shown as F5 leaves it.
  QSettings settings(vermora::app::kSettingsOrg, vermora::app::kSettingsApp);
  if (settings.value(vermora::app::kPovrayPathKey).toString().isEmpty()) {
    settings.setValue(vermora::app::kPovrayPathKey, "/usr/bin/povray");
  }
  vermora::app::DialogPrompts prompts;
  vermora::app::WindowSetup setup;
  setup.folder = (folder.path() + "/").toStdString();
  setup.include_dirs = {VERMORA_DATA_DIR};
  setup.prompts = &prompts;
  {
    vermora::app::Splash splash;
    splash.show();
    Grab("splash");
  }
  vermora::app::MainWindow window(setup);
  window.show();
  Settle(800);
  Grab("start");
  auto* pages = window.findChild<QTabWidget*>("PageControl1");
  Walk(pages, "");
  window.render().RenderScene();
  for (int i = 0; i < 100 && window.rendering(); ++i) Settle(100);
  Grab("rendered");
  window.OpenRenderPicture();
  Grab("render picture");
  if (auto* dialog = window.findChild<QDialog*>("RenderPictureDialog")) {
    dialog->findChild<QLineEdit*>("PictureFile")->setText(folder.path() + "/big.png");
    dialog->findChild<QPushButton*>("PictureQueue")->click();
    // A set POV-Ray refuses, to show a failed job and its log.
    const std::string kept = window.set().Text("EdInc2");
    window.set().SetText("EdInc2", "#declare = ;");
    dialog->findChild<QLineEdit*>("PictureFile")->setText(folder.path() + "/broken.png");
    dialog->findChild<QPushButton*>("PictureQueue")->click();
    window.set().SetText("EdInc2", kept);
    dialog->hide();
  }
  // The animation's frame series, queued too.
  window.set().SetOn("chkAnim", true);
  window.set().SetText("edTotalFrames", "4");
  window.set().SetText("edEndFrame", "4");
  window.animation().frames()->SetFolder(folder.path());
  window.findChild<QAction*>("AddSeriesToQueue")->trigger();
  window.set().SetOn("chkAnim", false);
  window.queue()->findChild<QPushButton*>("QueueRun")->click();
  for (int i = 0; i < 900 && window.queue()->running(); ++i) Settle(100);
  Grab("render queue");
  if (auto* list = window.queue()->findChild<QTreeWidget*>("QueueList")) {
    list->setCurrentItem(list->topLevelItem(1));
    window.queue()->findChild<QPushButton*>("QueueLog")->click();
    Settle(500);
    Grab("queue log");
    if (auto* box = window.queue()->findChild<QDialog*>("QueueLogBox")) box->close();
  }
  window.OpenVariations();
  Settle(4000);
  Grab("variations");
  return 0;
}
