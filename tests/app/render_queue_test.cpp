#include "render/render_queue.h"

#include <QDockWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTreeWidget>

#include "animation_runner.h"
#include "common/run_program.h"
#include "frames_panel.h"
#include "picture/png_set_chunk.h"
#include "queue_panel.h"
#include "render_picture_dialog.h"
#include "variations_view.h"
#include "window_test_main.h"

using vermora::QueueJob;
using vermora::QueueState;
using vermora::RenderQueue;
using vermora::app::QueuePanel;

class RenderQueueTest : public WindowTest {
  Q_OBJECT

 private:
  // Queues the creature on show through Render picture ... > Add to queue.
  void Queue(MainWindow& w, int size_index, const QString& file, int parts = 1) {
    w.findChild<QAction*>("AddToQueue")->trigger();
    auto* dialog = w.findChild<RenderPictureDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    dialog->sizes()->setCurrentIndex(size_index);
    dialog->findChild<QSpinBox*>("PictureParts")->setValue(parts);
    dialog->file_field()->setText(file);
    dialog->findChild<QPushButton*>("PictureQueue")->click();
    dialog->hide();
  }
  QStringList Rows(MainWindow& w) {
    QStringList rows;
    auto* list = w.queue()->findChild<QTreeWidget*>("QueueList");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      rows << item->text(0) + " " + item->text(1) + " " + item->text(2);
    }
    return rows;
  }
  void Choose(MainWindow& w, int row) {
    auto* list = w.queue()->findChild<QTreeWidget*>("QueueList");
    list->setCurrentItem(list->topLevelItem(row));
  }
  void Click(MainWindow& w, const char* button) {
    w.queue()->findChild<QPushButton*>(button)->click();
  }

 private slots:
  void init() { Reset(kPovray); }

  // The queue keeps the creature as it was when it was queued, and its jobs,
  // order and states outlive the window; a job the window was rendering when
  // it went starts again in the next one.
  void theQueueOutlivesTheWindowAndGoesOn() {
    std::string designed;
    {
      auto w = NewWindow();
      designed = SettingsText(w->set());
      auto* dock = w->findChild<QDockWidget*>("QueueDock");
      QVERIFY(dock->isHidden());
      Queue(*w, 4, Beside("big.txt"));  // not a picture: nothing is queued
      QCOMPARE(Rows(*w), QStringList{});
      Queue(*w, 4, Beside("big.png"));  // 1280 × 960
      QVERIFY(!dock->isHidden());       // the queue shows what went in
      w->set().SetText("EdCamLocZ", "-3");
      Queue(*w, 0, Beside("small.bmp"));  // 320 × 240
      Queue(*w, 0, Beside("third.png"));
      Choose(*w, 2);
      Click(*w, "QueueUp");
      Choose(*w, 0);
      Click(*w, "QueueRemove");
      QCOMPARE(Rows(*w), (QStringList{"3 waiting 320 × 240, anti-aliased",
                                      "2 waiting 320 × 240, anti-aliased"}));
    }
    RenderQueue kept(ToCore(Home("queue/")));
    QVERIFY(kept.Load().ok());
    QCOMPARE(kept.jobs().size(), size_t{2});
    QVERIFY(kept.jobs()[1].set_text != designed);  // queued after the edit
    // A window that went while it rendered job 3 (the file still says so).
    QVERIFY(kept.SetState(3, QueueState::kRunning).ok());
    QSettings(kSettingsOrg, kSettingsApp).setValue(kQueueRunningKey, true);
    auto w = NewWindow();
    QSignalSpy ended(w->queue(), &QueuePanel::JobEnded);
    QVERIFY(ended.wait(kHangMs));
    QCOMPARE(ended.front().at(0).toInt(), 3);
    QVERIFY(ended.front().at(1).toBool());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, kHangMs);
    QCOMPARE(Rows(*w),
             (QStringList{"3 done 320 × 240, anti-aliased", "2 done 320 × 240, anti-aliased"}));
    QCOMPARE(QImage(Beside("third.png")).size(), QSize(320, 240));
    auto* list = w->queue()->findChild<QTreeWidget*>("QueueList");
    QVERIFY(!list->topLevelItem(0)->icon(3).isNull());  // a thumbnail of the picture
    std::string carried;
    QVERIFY(vermora::ReadSetFromPng(ToCore(Beside("third.png")), carried).ok());
    QVERIFY(carried != designed);
    QVERIFY(QFile::exists(Beside("small.bmp")));
    QVERIFY(!w->queue()->running());
  }

  // A queued job renders beside the window's own renderer: F5 still renders
  // while it runs, and cancelling holds the job until Again.
  void f5RendersWhileAQueuedJobRuns() {
    auto w = NewWindow();
    Queue(*w, 6, Beside("huge.png"));  // 3840 × 2160, anti-aliased: minutes
    Click(*w, "QueueRun");
    QTRY_VERIFY_WITH_TIMEOUT(w->queue()->rendering(), kHangMs);
    QSignalSpy done(w.get(), &MainWindow::RenderDone);
    RenderAndWait(*w);
    QVERIFY(done.wait(kHangMs));
    QVERIFY(done.front().at(0).toBool());
    QVERIFY(w->queue()->rendering());
    QSignalSpy ended(w->queue(), &QueuePanel::JobEnded);
    Click(*w, "QueueCancel");
    QVERIFY(ended.wait(kHangMs));
    QCOMPARE(Rows(*w), QStringList{"1 held 3840 × 2160, anti-aliased"});
    QVERIFY(!QFile::exists(Beside("huge.png")));
    QVERIFY(!w->queue()->running());
    // A job POV-Ray refuses fails with POV-Ray's own first error line.
    w->set().SetText("EdInc2", "#declare = ;");
    Queue(*w, 0, Beside("broken.png"));
    Click(*w, "QueueRun");
    QVERIFY(ended.wait(kHangMs));
    QVERIFY(!ended.back().at(1).toBool());
    const QString row = Rows(*w).back();
    QVERIFY2(row.startsWith("2 failed: ") && row.contains("Parse Error"), qPrintable(row));
    // Its log holds all POV-Ray said, the scene's lines about the error too.
    Choose(*w, 1);
    Click(*w, "QueueLog");
    auto* log = w->queue()->findChild<QPlainTextEdit*>("QueueLogText");
    QVERIFY(log && log->isVisible());
    QVERIFY2(log->toPlainText().contains("File Context"), qPrintable(log->toPlainText()));
  }

  // A job queued in parts goes to the hosts the user lists, through GNU
  // Parallel, and joins to the picture a whole render makes.
  void aJobInPartsRendersOnTheListedHosts() {
    QVERIFY(vermora::ProgramOnPath("parallel"));
    auto w = NewWindow();
    prompts_.input_answer = "1/nowhere.invalid";
    w->findChild<QAction*>("RenderHosts")->trigger();
    QFile hosts(Home("hosts.txt"));
    QVERIFY(hosts.open(QIODevice::ReadOnly));
    QCOMPARE(hosts.readAll(), QByteArray("1/nowhere.invalid\n"));
    Queue(*w, 0, Beside("whole.png"));
    Queue(*w, 0, Beside("parts.png"), 3);
    QSignalSpy ended(w->queue(), &QueuePanel::JobEnded);
    Click(*w, "QueueRun");
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, kHangMs);
    QCOMPARE(Rows(*w), (QStringList{"1 done 320 × 240, anti-aliased",
                                    "2 failed: the hosts did not render every part (GNU "
                                    "Parallel's jobs.log) 320 × 240, anti-aliased"}));
    Choose(*w, 1);
    Click(*w, "QueueLog");
    auto* log = w->queue()->findChild<QPlainTextEdit*>("QueueLogText");
    QVERIFY(log && log->toPlainText().contains("nowhere.invalid"));
    prompts_.input_answer = "2/:";  // this machine
    w->findChild<QAction*>("RenderHosts")->trigger();
    Click(*w, "QueueAgain");
    Click(*w, "QueueRun");
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 3, kHangMs);
    QVERIFY(ended.back().at(1).toBool());
    QCOMPARE(QImage(Beside("parts.png")), QImage(Beside("whole.png")));
  }

  // The animation's series goes into the queue with its frame size and folder,
  // and its frames arrive there while the window's set stays as it is; a batch
  // of children renders from the queue as vermora-cli batch renders it.
  void aFrameSeriesRendersFromTheQueue() {
    auto w = NewWindow();
    w->set().SetOn("chkAnim", true);
    w->set().SetText("edTotalFrames", "3");
    w->set().SetText("edEndFrame", "3");
    w->set().SetText("edImageW", "32");
    w->set().SetText("edImageH", "24");
    QVERIFY(QDir().mkpath(Beside("frames")));
    w->animation().frames()->SetFolder(Beside("frames"));
    const std::string designed = SettingsText(w->set());
    // A batch of children of the variations' centre, queued before it.
    QVERIFY(QDir().mkpath(Beside("batch")));
    w->OpenVariations();
    prompts_.input_answer = "2";
    prompts_.file_answers = {Beside("batch")};
    w->findChild<VariationsView*>()->findChild<QPushButton*>("VariationsQueueBatch")->click();
    w->findChild<QAction*>("AddSeriesToQueue")->trigger();
    QVERIFY2(prompts_.errors.isEmpty(), qPrintable(prompts_.errors.join("\n")));
    QCOMPARE(Rows(*w), (QStringList{"1 waiting batch of 2 mutate children, 240 × 180",
                                    "2 waiting series, 32 × 24"}));
    w->queue()->findChild<QSpinBox*>("QueueLeave")->setValue(1);
    QSignalSpy ended(w->queue(), &QueuePanel::JobEnded);
    Click(*w, "QueueRun");
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, kHangMs);
    QCOMPARE(Rows(*w), (QStringList{"1 done batch of 2 mutate children, 240 × 180",
                                    "2 done series, 32 × 24"}));
    QCOMPARE(QImage(Beside("batch/child_002.bmp")).size(), QSize(240, 180));
    QVERIFY(QFile::exists(Beside("batch/index.txt")));
    for (const char* frame : {"anim001.bmp", "anim002.bmp", "anim003.bmp"})
      QCOMPARE(QImage(Beside("frames/") + frame).size(), QSize(32, 24));
    QCOMPARE(SettingsText(w->set()), designed);
  }
};

VERMORA_WINDOW_TEST_MAIN(RenderQueueTest)
#include "render_queue_test.moc"
