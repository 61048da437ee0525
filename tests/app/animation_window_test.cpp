#include "anim/second_set.h"
#include "animation_runner.h"
#include "frames_panel.h"
#include "key_set_panel.h"
#include "stop_box.h"
#include "window_test_main.h"

class AnimationWindowTest : public WindowTest {
  Q_OBJECT

 private:
  QString Path(const QString& name) const { return Home(name); }
  static AnimationRunner* Runner(MainWindow& w) { return w.findChild<AnimationRunner*>(); }

  // A small spiral worm that grows over `frames` frames at 32x24; a series is agreed to.
  std::unique_ptr<MainWindow> AnimatingWindow(int frames) {
    prompts_.confirm_answer = true;
    auto w = NewWindow();
    ParameterSet& set = w->set();
    set.SetOn("ChkWheelOn", false);
    set.SetText("edImageW", "32");
    set.SetText("edImageH", "24");
    set.SetText("edTotalFrames", QByteArray::number(frames).toStdString());
    set.SetText("edEndFrame", QByteArray::number(frames).toStdString());
    set.SetOn("chkAnim", true);
    CopyFieldsToTwins(set);
    set.SetText("EdNumber3", "44");
    w->RefreshFields();
    return w;
  }
  // The set as its settings file holds it, saved through the real saver.
  QByteArray Saved(MainWindow& w, const char* name) { return Bytes(SaveBeside(name, w.set())); }

 private slots:
  void init() { Reset(kPovray); }

  void seriesRunsWhileTheWindowStaysResponsive() {
    auto w = AnimatingWindow(2);
    w->set().SetOn("chkDelPovs", false);
    const QByteArray before = Saved(*w, "before.vmx");
    QSignalSpy done(Runner(*w), &AnimationRunner::SeriesDone);
    QSignalSpy shown(Runner(*w), &AnimationRunner::FrameShown);
    int ticks = 0;
    QList<int> ticks_at;  // at each frame shown and at the end
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    connect(Runner(*w), &AnimationRunner::FrameShown, [&] { ticks_at << ticks; });
    connect(Runner(*w), &AnimationRunner::SeriesDone, [&] { ticks_at << ticks; });
    timer.start(20);
    w->render().RenderScene();
    QCOMPARE(prompts_.confirms, QStringList{"Are you shure to start ?"});
    QVERIFY(w->rendering());
    QVERIFY(!w->findChild<QTabWidget*>("PageControl1")->widget(0)->isEnabled());
    w->render().RenderScene();  // one render at a time
    QCOMPARE(w->statusBar()->currentMessage(), QString("A render is already running"));
    QCOMPARE(prompts_.confirms.size(), 1);
    QVERIFY(done.wait(kHangMs));
    // The event loop ran all along: the timer ticked in the pause after each frame.
    QCOMPARE(ticks_at.size(), 3);
    QVERIFY2(ticks_at[0] < ticks_at[1] && ticks_at[1] < ticks_at[2],
             qPrintable(QString::number(ticks)));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(done.first(), (QList<QVariant>{2, false}));
    StopBox* box = Runner(*w)->stop_box();
    QCOMPARE(box->windowTitle(), QString("Animation : Framenumber 2 done ..."));
    QVERIFY(!box->isVisible());
    QVERIFY(QFile::exists(Path("anim001.bmp")) && QFile::exists(Path("anim002.bmp")));
    const QByteArray first = Bytes(Path("anim001.pov")), second = Bytes(Path("anim002.pov"));
    QVERIFY(!first.isEmpty() && first != second);  // the worm grew between the frames
    QCOMPARE(w->findChild<QLabel*>("Image1")->pixmap().size(), QSize(32, 24));
    QCOMPARE(Saved(*w, "after.vmx"), before);
    QCOMPARE(Bytes(Path("_anim.vmx")), before);
    QVERIFY(!w->rendering());
    QVERIFY(w->findChild<QTabWidget*>("PageControl1")->widget(0)->isEnabled());
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("30"));
    QVERIFY(prompts_.errors.isEmpty() && prompts_.asks.isEmpty());
  }

  void framesGoWhereAndAsLargeAsTheUserChose() {
    auto w = AnimatingWindow(2);
    Runner(*w)->set_pause_ms(0);
    const QByteArray before = Saved(*w, "before.vmx");
    const QString frames = Beside("frames");
    // A folder that is not there is refused before any frame.
    prompts_.file_answers = {frames};
    w->findChild<QPushButton*>("sbFramesFolder")->click();
    w->render().RenderScene();
    QCOMPARE(prompts_.errors, QStringList{"The frames folder " + frames +
                                          " is not there: choose another on the Animation page"});
    QVERIFY(!w->rendering() && !QFile::exists(Path("anim001.pov")));
    QVERIFY(QDir().mkpath(frames));
    w->findChild<QCheckBox*>("FramesOwnSize")->setChecked(true);
    w->findChild<QSpinBox*>("FramesWidth")->setValue(40);
    w->findChild<QSpinBox*>("FramesHeight")->setValue(20);
    const QString summary = w->findChild<QLabel*>("SeriesSummary")->text();
    QCOMPARE(summary,
             "The series makes 2 frames of 40 × 20 pixels (their own size), "
             "anim001.bmp and on, in " +
                 frames + "/");
    QSignalSpy done(Runner(*w), &AnimationRunner::SeriesDone);
    prompts_.errors.clear();
    w->findChild<QAction*>("AutoRender")->setChecked(true);
    QSignalSpy rendered(w.get(), &MainWindow::RenderDone);
    w->render().RenderScene();
    QVERIFY(done.wait(kHangMs));
    QCOMPARE(done.first(), (QList<QVariant>{2, false}));
    QVERIFY(prompts_.errors.isEmpty());
    // Then the picture is the start set's again (4:3, as auto render fits it to
    // its pane), as the 3-D view is: no longer the last 2:1 frame.
    QVERIFY(rendered.wait(kHangMs));
    const QSize picture = w->findChild<QLabel*>("Image1")->pixmap().size();
    QVERIFY2(std::abs(picture.width() * 3 - picture.height() * 4) <= 4,
             qPrintable(QString("%1×%2").arg(picture.width()).arg(picture.height())));
    for (const char* frame : {"anim001.bmp", "anim002.bmp"}) {
      QCOMPARE(QImage(frames + "/" + frame).size(), QSize(40, 20));
      QVERIFY2(!QFile::exists(Path(frame)), frame);  // moved out of the program folder
    }
    QCOMPARE(Saved(*w, "after.vmx"), before);  // the set keeps its own picture size
    // The choice is the user's: the next window has it, and gives it up on request.
    auto next = NewWindow();
    QCOMPARE(Runner(*next)->frames()->folder(), (frames + "/").toStdString());
    QCOMPARE(Runner(*next)->frames()->width(), 40);
    next->findChild<QPushButton*>("sbFramesProgramFolder")->click();
    QCOMPARE(Runner(*next)->frames()->folder(), Path("").toStdString());
    // The program folder chosen by its name keeps its frame.
    WriteFile(Path("anim001.bmp"), "frame");
    Runner(*next)->frames()->SetFolder(Path(""));
    QVERIFY(Runner(*next)->frames()->Deliver(Path("anim001.bmp").toStdString(), nullptr));
    QCOMPARE(Bytes(Path("anim001.bmp")), QByteArray("frame"));
  }

  void stopInTheMiddleKeepsTheFramesAndRestores() {
    auto w = AnimatingWindow(3);
    Runner(*w)->set_pause_ms(2000);
    const QByteArray before = Saved(*w, "before.vmx");
    QSignalSpy done(Runner(*w), &AnimationRunner::SeriesDone);
    bool box_shown = true;
    connect(Runner(*w), &AnimationRunner::FrameShown, [&](int counter) {
      box_shown = box_shown && Runner(*w)->stop_box()->isVisible();
      if (counter == 1) Runner(*w)->stop_box()->button()->click();
    });
    w->render().RenderScene();
    QVERIFY(done.wait(kHangMs));
    QCOMPARE(done.first(), (QList<QVariant>{1, true}));
    QVERIFY(box_shown);
    QVERIFY(QFile::exists(Path("anim001.bmp")) && !QFile::exists(Path("anim002.bmp")));
    QVERIFY(!QFile::exists(Path("anim001.pov")));  // "Delete AnimPovs" is on
    QCOMPARE(Saved(*w, "after.vmx"), before);
    QVERIFY(Runner(*w)->stop_box()->button()->isEnabled());  // ready for the next series
  }

  void anErrorLineEndsTheSeriesAndRestores() {
    auto w = AnimatingWindow(2);
    w->set().SetText("edJSegm", "object {NoSuchObject}");
    w->set().SetText("edCountStart", "5");
    Runner(*w)->set_pause_ms(0);
    const QByteArray before = Saved(*w, "before.vmx");
    QSignalSpy done(Runner(*w), &AnimationRunner::SeriesDone);
    w->render().RenderScene();
    QVERIFY(done.wait(kHangMs));
    QVERIFY(prompts_.asks.isEmpty());  // no question: the series ends at once
    QCOMPARE(prompts_.errors.size(), 1);
    QVERIFY2(prompts_.errors[0].startsWith("Frame 5: POV-Ray reported an error"),
             qPrintable(prompts_.errors[0]));
    QCOMPARE(done.first().at(0).toInt(), 0);
    QVERIFY(!QFile::exists(Path("anim006.pov")) && !QFile::exists(Path("anim006.bmp")));
    QCOMPARE(Saved(*w, "after.vmx"), before);
    QVERIFY(w->findChild<QLabel*>("Image2")->isVisibleTo(w.get()));
    QCOMPARE(w->findChild<QTabWidget*>("PageControl1")->currentWidget()->objectName(),
             QString("TabOut"));
  }

  void closingDuringASeriesEndsIt() {
    auto w = AnimatingWindow(3);
    Runner(*w)->set_pause_ms(3600000);  // an hour: a close that waited it out would never end
    const QByteArray before = Saved(*w, "before.vmx");
    QSignalSpy shown(Runner(*w), &AnimationRunner::FrameShown);
    w->render().RenderScene();
    QVERIFY(shown.wait(kHangMs));
    w->show();
    prompts_.unsaved_answers = {UnsavedAnswer::kDiscard};
    QVERIFY(w->close());  // in the pause: the series ends at once
    QVERIFY(!w->rendering());
    QCOMPARE(Saved(*w, "after.vmx"), before);
    QCoreApplication::sendPostedEvents();  // what the worker had posted comes to nothing
    QVERIFY(!QFile::exists(Path("anim002.bmp")));
    // A window destroyed while the renderer runs ends it and its worker first.
    auto other = AnimatingWindow(3);
    other->render().RenderScene();
    QVERIFY(other->rendering());
    other.reset();
  }

  void badFrameNumbersEndTheSeriesBeforeAnything() {
    SetPovray("/bin/true");
    auto w = AnimatingWindow(2);
    w->set().SetText("edEndFrame", "ten");
    const QByteArray before = Saved(*w, "before.vmx");
    QSignalSpy done(Runner(*w), &AnimationRunner::SeriesDone);
    prompts_.ask_answer = false;
    w->render().RenderScene();
    QVERIFY(!w->rendering());  // the field is named and the user says no
    QVERIFY2(prompts_.asks.value(0).contains(
                 "\"Last frame to render\" (Features > Animation) holds \"ten\""),
             qPrintable(prompts_.asks.value(0)));
    prompts_.ask_answer = true;
    prompts_.confirm_answer = false;
    w->render().RenderScene();
    QVERIFY(!w->rendering());  // cancelled at the question
    prompts_.confirm_answer = true;
    w->render().RenderScene();
    QVERIFY(done.wait(kHangMs));
    QCOMPARE(prompts_.errors, QStringList{"'ten' is not a valid integer value"});
    QVERIFY(!QFile::exists(Path("_anim.vmx")) && !QFile::exists(Path("anim001.pov")));
    QCOMPARE(Saved(*w, "after.vmx"), before);
    // A missing renderer is told before any frame is written.
    SetPovray("/no/such/povray");
    auto other = AnimatingWindow(2);
    other->render().RenderScene();
    QVERIFY(!other->rendering());
    QVERIFY(other->statusBar()->currentMessage().contains("Povray Path"));
    QVERIFY(!QFile::exists(Path("anim001.pov")));
  }

  void startFrameIsCopiedIntoTheCountStart() {
    auto w = NewWindow();
    auto* start = w->findChild<QLineEdit*>("edStartFrame");
    start->selectAll();
    QTest::keyClicks(start, "4");
    QCOMPARE(w->set().Text("edCountStart"), std::string("4"));
    QCOMPARE(w->findChild<QLineEdit*>("edCountStart")->text(), QString("4"));
    // The end-value buttons follow the animation switch.
    auto* end = w->findChild<QPushButton*>("sbThingB");
    QVERIFY(end && end->isHidden() && w->findChild<QPushButton*>("sbThingA")->isHidden());
    QCOMPARE(w->findChild<QPushButton*>("sbLoadAS")->text(), QString("Load second for animation"));
    w->findChild<QAbstractButton*>("chkAnim")->click();
    QVERIFY(!end->isHidden());
    QCOMPARE(end->text(), QString("Render EndValues"));
  }

  void secondSetOfAnotherFamily() {
    auto w = NewWindow();
    const QByteArray before = Saved(*w, "before.vmx");
    ParameterSet curl;  // another worm and another thing: two family questions
    curl.SetIndex("RadioGroup1", 1);
    curl.SetText("EdNumber", "44");
    curl.SetOn("ChkFanOn", true);
    curl.SetOn("ChkWheelOn", false);
    const QString file = SaveBeside("curl.vmx", curl);
    prompts_.file_answers = {file};
    prompts_.ask_answer = false;
    w->findChild<QPushButton*>("sbLoadAS")->click();
    QCOMPARE(prompts_.dialog_titles, QStringList{"Open Vermora File"});
    QCOMPARE(prompts_.asks,
             QStringList{"Worms not of the same family.\nShould I go on ? (or stop)"});
    QCOMPARE(Saved(*w, "after.vmx"), before);
    QVERIFY(!w->set().On("chkAnim"));
    QCOMPARE(Caption(*w), QString(kCaption));
    QCOMPARE(Bytes(Path("_lsec.vmx")), before);
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("30"));
    // Going on asks each failing test in turn, then mixes: the first set's
    // numbers in the fields, the second's as end values.
    prompts_.asks.clear();
    prompts_.file_answers = {file};
    prompts_.ask_answer = true;
    w->findChild<QPushButton*>("sbLoadAS")->click();
    QCOMPARE(prompts_.asks,
             (QStringList{"Worms not of the same family.\nShould I go on ? (or stop)",
                          "Things not of the same family.\nShould I go on ? (or stop)"}));
    QVERIFY(w->set().On("chkAnim"));
    QCOMPARE(w->set().Index("RadioGroup1"), 1);
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("30"));
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber3")->text(), QString("44"));
    QCOMPARE(Caption(*w), file);
    QVERIFY(!w->findChild<QPushButton*>("sbThingB")->isHidden());
    // Saving the mix on closing asks for a name: the end set's own file is kept.
    const QByteArray end_set = Bytes(file);
    const QString mixed = dir_->path() + "/mixed.vmx";
    prompts_.unsaved_answers = {UnsavedAnswer::kSave};
    prompts_.file_answers = {mixed};
    QVERIFY(w->close());
    QCOMPARE(Bytes(file), end_set);
    QVERIFY(QFileInfo::exists(mixed));
  }

  // The window's set, then a key set, and back with the loop: two frames a step,
  // numbered on; the set comes back as it was and the frames make a video.
  void keySetChainLoopsAndBecomesAVideo() {
    auto w = AnimatingWindow(2);
    w->findChild<QAbstractButton*>("chkAnim")->click();  // adding a key set switches it back on
    Runner(*w)->set_pause_ms(0);
    ParameterSet key = w->set();
    key.SetText("EdTSpread", "90");
    const QString key_file = SaveBeside("key.vmx", key);
    WriteFile(Beside("broken.vmx"), "Quorel 0.9\r\nno bar here\r\n");
    ParameterSet curl = key;
    curl.SetIndex("RadioGroup1", 1);
    KeySetPanel* panel = Runner(*w)->key_sets();
    prompts_.file_answers = {Beside("broken.vmx"), key_file, SaveBeside("curl.vmx", curl)};
    for (int i = 0; i < 3; ++i) w->findChild<QPushButton*>("sbAddKey")->click();
    QCOMPARE(prompts_.errors, QStringList{"Corrupted name/data!  Load aborted"});
    QCOMPARE(w->findChild<QListWidget*>("KeySetList")->count(), 2);
    QVERIFY(w->set().On("chkAnim"));
    // A key set of another family asks; no ends it before any frame.
    prompts_.errors.clear();
    prompts_.ask_answer = false;
    w->render().RenderScene();
    QCOMPARE(prompts_.asks, QStringList{"From key.vmx to curl.vmx:\nWorms not of the same family.\n"
                                        "Should I go on ? (or stop)"});
    QVERIFY(!w->rendering() && !QFile::exists(Path("anim001.bmp")));
    w->findChild<QPushButton*>("sbRemoveKey")->click();  // the last one added is current
    QCOMPARE(panel->keys().size(), size_t(1));
    const QByteArray before = Saved(*w, "before.vmx");
    w->findChild<QSpinBox*>("KeyFrames")->setValue(2);
    w->findChild<QCheckBox*>("KeyLoop")->setChecked(true);
    w->findChild<QCheckBox*>("FramesOwnSize")->setChecked(true);
    w->findChild<QSpinBox*>("FramesWidth")->setValue(40);
    w->findChild<QSpinBox*>("FramesHeight")->setValue(30);
    // The page says beforehand what the series makes and where: the count it then makes.
    const QString summary = w->findChild<QLabel*>("SeriesSummary")->text();
    QVERIFY2(summary.startsWith("The series makes 4 frames of 40 × 30 pixels"),
             qPrintable(summary));
    QVERIFY2(summary.endsWith("anim001.bmp and on, in " + Path("")), qPrintable(summary));
    QSignalSpy done(Runner(*w), &AnimationRunner::SeriesDone);
    w->render().RenderScene();
    QVERIFY(done.wait(kHangMs));
    QCOMPARE(done.first().at(0).toInt(), 4);
    for (const char* frame : {"anim001.bmp", "anim002.bmp", "anim003.bmp", "anim004.bmp"})
      QVERIFY2(QFile::exists(Path(frame)), frame);
    QVERIFY(!QFile::exists(Path("anim005.bmp")));  // the loop leaves out the copy of the first
    QCOMPARE(Saved(*w, "after.vmx"), before);
    QVERIFY(prompts_.errors.isEmpty());
    auto* offer = w->findChild<QPushButton*>("sbOfferVideo");
    QVERIFY(offer && offer->isVisibleTo(w.get()));
    const QString video = dir_->path() + "/loop.mp4";
    prompts_.file_answers = {video};
    QSignalSpy made(panel, &KeySetPanel::VideoDone);
    offer->click();
    QVERIFY(made.wait(kHangMs));
    QVERIFY2(made.first().at(1).toBool(), qPrintable(prompts_.errors.join("\n")));
    QProcess probe;
    probe.start("ffprobe",
                {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                 "stream=nb_read_frames,width,height", "-of", "csv=p=0", video});
    QVERIFY(probe.waitForFinished(kHangMs));
    QCOMPARE(probe.readAll(), QByteArray("40,30,4\n"));
    QVERIFY(!offer->isVisibleTo(w.get()));
  }

  void unreadableOrNoSecondSet() {
    auto w = NewWindow();
    w->set().SetText("EdNumber", "33");
    const QByteArray before = Saved(*w, "before.vmx");
    WriteFile(Beside("broken.vmx"), "Quorel 0.9\r\nEdNumber|41\r\nno bar here\r\n");
    prompts_.file_answers = {Beside("broken.vmx")};
    w->findChild<QPushButton*>("sbLoadAS")->click();
    QCOMPARE(prompts_.errors, QStringList{"Corrupted name/data!  Load aborted"});
    QCOMPARE(Saved(*w, "after.vmx"), before);
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("33"));
    QVERIFY(prompts_.asks.isEmpty());
    // A cancelled dialog animates towards the same set.
    w->set().SetText("EdNumber", "36");
    w->set().SetText("edSWTrig", "5000");  // an older set's parked trigger
    w->findChild<QPushButton*>("sbLoadAS")->click();
    QVERIFY(w->set().On("chkAnim"));
    QCOMPARE(w->set().Text("EdNumber3"), std::string("36"));
    for (const char* trigger : {"edSWTrig", "edSWTrig2"})
      QCOMPARE(w->set().Text(trigger), std::string("150"));
    QCOMPARE(Caption(*w), QString(kCaption));
  }

  void renderEndValuesRendersTheEndSet() {
    auto w = AnimatingWindow(2);
    QSignalSpy done(w.get(), &MainWindow::RenderDone);
    auto render = [&](const char* button) {
      w->findChild<QPushButton*>(button)->click();
      return done.wait(kHangMs) && done.last().first().toBool();
    };
    const QByteArray before = Saved(*w, "before.vmx");
    QVERIFY(render("sbThingA"));
    const QByteArray start_scene = Bytes(Path("TEMP.POV"));
    QVERIFY(prompts_.confirms.isEmpty());  // a single picture, no series
    QVERIFY(!w->set().On("chkRendThingA"));
    w->set().SetText("EdNumber", "44");
    QVERIFY(render("sbThingA"));
    const QByteArray end_by_hand = Bytes(Path("TEMP.POV"));
    w->set().SetText("EdNumber", "30");
    QVERIFY(render("sbThingB"));
    QCOMPARE(Bytes(Path("TEMP.POV")), end_by_hand);
    QVERIFY(end_by_hand != start_scene);
    QCOMPARE(Saved(*w, "after.vmx"), before);
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("30"));
    QVERIFY(!QFile::exists(Path("_thingb.vmx")));
  }
};

VERMORA_WINDOW_TEST_MAIN(AnimationWindowTest)

#include "animation_window_test.moc"
