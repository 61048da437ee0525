#include <cmath>

#include "compose/composer.h"
#include "field_factory.h"
#include "model_builder.h"
#include "object_images.h"
#include "params/param_table.h"
#include "params/working_files.h"
#include "recent_files.h"
#include "window_test_main.h"

class MainWindowTest : public WindowTest {
  Q_OBJECT

 private:
  QString Path(const char* name) const { return Home(name); }
  static void Touch(const QString& path) { WriteFile(path, "x"); }
  static QTabWidget* Pages(MainWindow& w) { return w.findChild<QTabWidget*>("PageControl1"); }

 private slots:
  void init() { Reset(kPovray); }

  void buildsEveryPageAndField() {
    auto w = NewWindow();
    QCOMPARE(Caption(*w), QString("Vermora 0.99g : creatures for POV-Ray"));
    QStringList missing;  // every parameter has its control, every command its button
    for (const ParamDef& def : ParamTable()) {
      const QString name = QString::fromLatin1(def.name.data(), def.name.size());
      if (!w->findChild<QWidget*>(name)) missing << name;
    }
    QCOMPARE(missing, QStringList());
    QStringList tabs;
    QTabWidget* pages = Pages(*w);
    for (int i = 0; i < pages->count(); ++i) tabs << pages->tabText(i);
    QCOMPARE(tabs, (QStringList{"General", "Worms", "Things", "Textures", "Features", "Backgrd",
                                "Povray", "Output"}));
    QVERIFY(!pages->isTabVisible(pages->indexOf(w->findChild<QWidget*>("TabOut"))));
    // The picture takes the room the window gives it.
    w->resize(1000, 700);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get(), kHangMs));
    const QSize small = w->findChild<QLabel*>("Image1")->size();
    QVERIFY(small.width() >= 209 && small.height() >= 163);
    w->resize(1500, 1000);
    QTRY_VERIFY_WITH_TIMEOUT(w->findChild<QLabel*>("Image1")->width() > small.width() + 100,
                             kHangMs);
    QVERIFY(w->findChild<QPlainTextEdit*>("Memo2")->isReadOnly());
    // The command buttons are parameters (found above); the object images and inner pages are not.
    for (const char* name : {"ImBol", "imSpik6", "ImBallDisk", "TabWormsSpiralWormHelix",
                             "TabThingsFanWheelTentacle"}) {
      QVERIFY2(w->findChild<QWidget*>(name), name);
    }
    QCOMPARE(w->findChild<QWidget*>("SBGo")->toolTip(), QString("Render scene F5"));
    QCOMPARE(w->findChild<QWidget*>("ImFanCyl")->toolTip(), QString(" DragDrop Cylinder "));
    QVERIFY(prompts_.inputs.isEmpty());
    QVERIFY(!w->modified());
  }

  void loadingASetUpdatesTheFields() {
    auto w = NewWindow();
    Open(*w, "EdNumber|45\r\nChkWheelOn|N\r\nRadioGroup1|1\r\n", "a set.vmx");
    QCOMPARE(prompts_.dialog_titles, QStringList{"Open Vermora File"});
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("45"));
    QVERIFY(!w->findChild<QCheckBox*>("ChkWheelOn")->isChecked());
    QVERIFY(w->findChild<QWidget*>("RadioGroup1")->findChildren<QRadioButton*>()[1]->isChecked());
    QCOMPARE(Caption(*w), Beside("a set.vmx"));
    QVERIFY(!w->modified());
  }

  void editingAFieldChangesTheSet() {
    auto w = NewWindow();
    auto* edit = w->findChild<QLineEdit*>("EdNumber");
    edit->selectAll();
    QTest::keyClicks(edit, "12x");
    QCOMPARE(w->set().Text("EdNumber"), std::string("12x"));
    // A value the set cannot use is marked in its field, with what is needed.
    auto mark = [&w](const char* name) {
      auto* found = w->findChild<QLineEdit*>(name)->findChild<QAction*>(kEntryProblemMark);
      return found && found->isVisible() ? found->toolTip() : QString();
    };
    QCOMPARE(mark("EdNumber"), QString("A number is needed here, such as 12 or 0.5"));
    w->findChild<QCheckBox*>("ChkFanOn")->click();
    QVERIFY(w->set().On("ChkFanOn"));
    QVERIFY(w->modified());
    QVERIFY2(w->isWindowModified(), "the caption marks a set that differs from its file");
    // Back to what was loaded: nothing is left to save, and the mark goes.
    w->findChild<QCheckBox*>("ChkFanOn")->click();
    edit->selectAll();
    QTest::keyClicks(edit, "30");
    QVERIFY(!w->modified());
    QVERIFY(!w->isWindowModified());
    QCOMPARE(mark("EdNumber"), QString());
    // A loaded size that would add options is marked as soon as it shows.
    Open(*w, "edImageH|24 +O/tmp/x.png\r\n");
    QCOMPARE(mark("edImageH"), QString("A whole number of pixels from 1 to 16384 is needed here"));
    Open(*w, "edImageH|163\r\n");
    QCOMPARE(mark("edImageH"), QString());
    // End values show while animating.
    auto* twin = w->findChild<QLineEdit*>("EdNumber3");
    QVERIFY(twin && twin->isHidden());
    edit->selectAll();
    QTest::keyClicks(edit, "44");
    w->findChild<QCheckBox*>("chkAnim")->click();
    QVERIFY(!twin->isHidden());
    QCOMPARE(twin->text(), QString("44"));  // the end starts at the start
    w->findChild<QCheckBox*>("chkAnim")->click();
    QVERIFY(twin->isHidden());
    // A dropped object replaces the text of an object field.
    auto* segment = w->findChild<QLineEdit*>("edJSegm");
    QMimeData mime;
    mime.setData(kObjectMime, "object {Spik3}");
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(segment, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(segment, &drop);
    QCOMPARE(segment->text(), QString("object {Spik3}"));
    QCOMPARE(w->set().Text("edJSegm"), std::string("object {Spik3}"));
    // A field that is not an object field ignores the drag.
    QDragEnterEvent other(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    other.setAccepted(false);
    QApplication::sendEvent(w->findChild<QLineEdit*>("EdNumber"), &other);
    QVERIFY(!other.isAccepted());
  }

  void errorBoxTexts() {
    auto box = MakeErrorBox(nullptr, "Corrupted name/data!  Load aborted");
    QCOMPARE(box->windowTitle(), QString("Vermora"));
    QCOMPARE(box->text(), QString("Corrupted name/data!  Load aborted."));
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
    QCOMPARE(MakeErrorBox(nullptr, "Done.")->text(), QString("Done."));
    auto w = NewWindow();
    Open(*w, "EdNumber|41\r\nno bar here\r\nEdSpace|9\r\n");
    QCOMPARE(prompts_.errors, QStringList{"Corrupted name/data!  Load aborted"});
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("41"));
    QVERIFY2(w->modified(), "a half-loaded set is not the file's set");
  }

  void workingFilesGoAtStartAndClose() {
    QDir().mkpath(dir_->path() + "/home");
    for (const char* name : {"_evolve.vmx", "_MUTATE.VMX", "_anim.vmx", "_lsec.vmx", "_thingb.vmx",
                             "TEMP.POV", "TEMP.BMP", "alltext.out"})
      Touch(Path(name));
    auto w = NewWindow();
    for (const char* name : {"_evolve.vmx", "_MUTATE.VMX", "_lsec.vmx"})
      QVERIFY2(!QFile::exists(Path(name)), name);
    QVERIFY(QFile::exists(Path("_thingb.vmx")) &&
            QFile::exists(Path("TEMP.BMP")));  // removed at close only
    Touch(Path("_anim.vmx"));
    w->show();
    QVERIFY(w->close());
    for (const char* name : {"_anim.vmx", "_thingb.vmx", "TEMP.BMP", "alltext.out"})
      QVERIFY2(!QFile::exists(Path(name)), name);
    QVERIFY(QFile::exists(Path("TEMP.POV")));
    QCOMPARE(prompts_.unsaved_asked, 0);
  }

  void myDefaultRoundTripAndABrokenOne() {
    {
      auto w = NewWindow();
      w->files().LoadMyDefault();
      QCOMPARE(prompts_.warnings, QStringList{"Save a default first"});
      w->set().SetText("EdNumber", "40");
      w->files().SaveMyDefault();
      QVERIFY(QFile::exists(Path("_default.vmx")));
    }
    {
      auto w = NewWindow();
      QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("40"));
      QVERIFY(!w->modified());
      w->set().SetText("EdNumber", "7");
      prompts_.unsaved_answers = {UnsavedAnswer::kDiscard};
      w->files().LoadMyDefault();
      QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("40"));
      QCOMPARE(Caption(*w), QString(kCaption));
      w->files().RemoveMyDefault();
    }
    auto w = NewWindow();
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("30"));
    // A broken default is reported and the start goes on with what it read.
    QVERIFY(prompts_.errors.isEmpty());
    WriteFile(Path("_default.vmx"),
              "Quorel 0.9\r\nEdNumber|44\r\nEdSpace|x|y\r\nsgColorMap|3~4:0~1~2~3~\r\n");
    w = NewWindow();
    QCOMPARE(prompts_.errors,
             QStringList{"Missing value (0,1) in grid component [sgColorMap]!  Load aborted"});
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text(), QString("44"));
    QCOMPARE(w->findChild<QLineEdit*>("EdSpace")->text(), QString("x|y"));
  }

  void unsavedChangesAreAskedAbout() {
    auto w = NewWindow();
    w->show();
    w->set().SetText("EdNumber", "99");
    prompts_.unsaved_answers = {UnsavedAnswer::kCancel};
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    // Save without a file yet asks for one; cancelling that keeps the window.
    prompts_.unsaved_answers = {UnsavedAnswer::kSave};
    QVERIFY(!w->close());
    QCOMPARE(prompts_.dialog_titles.last(), QString("Save Vermora File"));
    const QString file = dir_->path() + "/kept.vmx";
    prompts_.unsaved_answers = {UnsavedAnswer::kSave};
    prompts_.file_answers = {file};
    QVERIFY(w->close());
    QVERIFY(!w->isWindowModified());  // saved: the mark went before the window closed
    ParameterSet kept;
    QVERIFY(LoadSettings(file.toStdString(), kept).ok());
    QCOMPARE(kept.Text("EdNumber"), std::string("99"));
    auto other = NewWindow();
    other->set().SetText("EdNumber", "98");
    prompts_.unsaved_answers = {UnsavedAnswer::kCancel};
    prompts_.dialog_titles.clear();
    other->files().OpenSettings();
    QVERIFY2(prompts_.dialog_titles.isEmpty(), "cancel keeps the design, no dialog");
    other->show();
    prompts_.unsaved_answers = {UnsavedAnswer::kDiscard};
    QVERIFY(other->close());
  }

  void povrayPathFromRegistryAndInputBox() {
    QSettings(kSettingsOrg, kSettingsApp).remove(kPovrayPathKey);
    prompts_.input_answer = "/opt/pov ray/bin/povray";
    {
      auto w = NewWindow();
      QCOMPARE(prompts_.inputs,
               QStringList{"POV-RAY Path|Enter full path of executable|/usr/bin/povray"});
      QCOMPARE(w->povray_path(), std::string("/opt/pov ray/bin/povray"));
    }
    prompts_.inputs.clear();
    auto w = NewWindow();
    QVERIFY(prompts_.inputs.isEmpty());
    QCOMPARE(w->povray_path(), std::string("/opt/pov ray/bin/povray"));
    prompts_.input_answer.reset();
    w->AskPovrayPath();
    QCOMPARE(w->povray_path(), std::string("/opt/pov ray/bin/povray"));
  }

  void exportsAndTheFeaturesPage() {
    auto w = NewWindow();
    const QString pov = dir_->path() + "/out scene.pov";
    prompts_.file_answers = {pov};
    w->exports().ExportPov31();
    QCOMPARE(prompts_.dialog_titles, QStringList{"Export to POV-Ray 3.1 File"});
    QVERIFY(QFileInfo(pov).size() > 100);
    w->set().SetOn("chkJConnect", true);
    w->exports().ExportPov22();
    QCOMPARE(prompts_.warnings.size(), 1);
    QVERIFY(prompts_.warnings.first().startsWith("ConnectObjects is on !"));
    QCOMPARE(prompts_.dialog_titles.size(), 1);
    // Entering the Features page makes the current set the next step's base.
    for (const char* name : {"_evolve.vmx", "_mutate.vmx", "_anim.vmx"}) Touch(Path(name));
    Pages(*w)->setCurrentWidget(w->findChild<QWidget*>("TabFeatures"));
    QCOMPARE((QList<bool>{QFile::exists(Path("_evolve.vmx")), QFile::exists(Path("_mutate.vmx")),
                          QFile::exists(Path("_anim.vmx"))}),
             (QList<bool>{false, false, true}));
  }

  void missingRendererAndEstimate() {
    SetPovray("/no/such/povray");
    auto w = NewWindow();
    auto* estimate = w->findChild<QAction*>("Preview");
    QVERIFY(estimate && estimate->isCheckable() && !estimate->isChecked());
    RenderAndWait(
        *w);  // the estimate is off: no question, and the missing renderer is told clearly
    QVERIFY(prompts_.asks.isEmpty());
    QVERIFY(!w->rendering());
    QVERIFY(w->statusBar()->currentMessage().contains("Povray Path"));
    QCOMPARE(Pages(*w)->currentWidget()->objectName(), QString("TabOut"));
    QVERIFY(w->findChild<QPlainTextEdit*>("Memo2")->toPlainText().contains("not found"));
    QVERIFY(QFile::exists(Path("TEMP.POV")));
    estimate->trigger();
    prompts_.ask_answer = false;
    w->statusBar()->clearMessage();
    QFile::remove(Path("TEMP.POV"));
    RenderAndWait(*w);
    QCOMPARE(prompts_.asks.size(), 1);
    QVERIFY(prompts_.asks[0].startsWith("Your Thing contains ca. "));
    QVERIFY(prompts_.asks[0].endsWith("\nContinue ?"));
    QVERIFY(QFile::exists(Path("TEMP.POV")));  // written before the question
    // Answered No: the renderer is never looked for.
    QVERIFY(!w->statusBar()->currentMessage().contains("Povray Path"));
  }

  // F5 and both exports: the scene turns automatic rotation off in the design.
  void aTrilobytWithoutTwistingTurnsAutomaticRotationOff() {
    SetPovray("/no/such/povray");
    for (int command = 0; command < 3; ++command) {
      auto w = NewWindow();
      w->findChild<QCheckBox*>("ChkTrilobyt")->click();
      w->findChild<QCheckBox*>("ChkTwisting")->click();
      QVERIFY(w->set().On("ChkARot"));
      prompts_.file_answers = {dir_->path() + "/trilobyt.pov"};
      if (command == 0) RenderAndWait(*w);
      if (command == 1) w->exports().ExportPov31();
      if (command == 2) w->exports().ExportPov22();
      QVERIFY2(!w->set().On("ChkARot"), qPrintable(QString::number(command)));
      QVERIFY(!w->findChild<QCheckBox*>("ChkARot")->isChecked());
    }
  }

  // A loaded set whose include line writes a file: its lines are shown and
  // asked about before the first render only; no means no scene at all.
  void aSharedSetThatUsesFilesIsAskedAboutOnce() {
    SetPovray("/no/such/povray");
    auto w = NewWindow();
    Open(*w, "EdInc3|#fopen F \"note.txt\" write #fclose F\r\n");
    prompts_.asks.clear();
    QFile::remove(Path("TEMP.POV"));
    prompts_.ask_answer = false;
    RenderAndWait(*w);
    QCOMPARE(prompts_.asks.size(), 1);
    QVERIFY2(prompts_.asks[0].contains("EdInc3: #fopen F \"note.txt\" write"),
             qPrintable(prompts_.asks[0]));
    QVERIFY(!QFile::exists(Path("TEMP.POV")));
    prompts_.ask_answer = true;
    RenderAndWait(*w);
    RenderAndWait(*w);
    QCOMPARE(prompts_.asks.size(), 2);  // asked before the first render only
    QVERIFY(QFile::exists(Path("TEMP.POV")));
  }

  // Texture and background files travel too: what one would write is asked
  // about before anything renders, and auto render waits for F5.
  void filesOfEveryKindThatWriteAreAskedAbout() {
    SetPovray("/no/such/povray");
    const struct {
      const char* name;
      QByteArray line;
      const char* field;
    } files[] = {
        {"sky.vbk", "edSC1R|0.6 #fopen F \"note.txt\" write #fclose F\r\n", "edSC1R"},
        {"look.vtr", "editTurbulence|0 #/**/fopen F \"note.txt\" write\r\n", "editTurbulence"},
    };
    for (const auto& file : files) {
      auto w = NewWindow();
      WriteFile(Beside(file.name), "Quorel 0.9\r\n" + file.line);
      QVERIFY2(w->files().OpenPath(Beside(file.name)), file.name);
      QCOMPARE(QString::fromStdString(w->set().Text(file.field)).left(3),
               QString(file.line.mid(file.line.indexOf('|') + 1, 3)));
      QVERIFY2(!w->render().UnapprovedFileUses().empty(), file.name);
      prompts_.asks.clear();
      prompts_.ask_answer = false;
      QFile::remove(Path("TEMP.POV"));
      RenderAndWait(*w);
      QCOMPARE(prompts_.asks.size(), 1);
      QVERIFY2(prompts_.asks[0].contains(QString(file.field) + ": "), qPrintable(prompts_.asks[0]));
      QVERIFY(!QFile::exists(Path("TEMP.POV")));
    }
  }

  // Over the object limit F5 asks, naming the field; no means no scene.
  void aSceneOverTheObjectLimitIsAskedAbout() {
    SetPovray("/no/such/povray");
    auto w = NewWindow();
    Open(*w, "ChkWheelOn|N\r\nEdNumber|2500000\r\n");
    prompts_.asks.clear();
    prompts_.ask_answer = false;
    QFile::remove(Path("TEMP.POV"));
    RenderAndWait(*w);
    QCOMPARE(prompts_.asks.size(), 1);
    QVERIFY2(prompts_.asks[0].contains("\"Segments\" (Worms > SpiralWorm > General) at 2500000"),
             qPrintable(prompts_.asks[0]));
    QVERIFY(!QFile::exists(Path("TEMP.POV")));
  }

  // Auto render: one render a moment after a run of edits, at the preview's size in
  // F5's proportions; a new edit ends the render still running; F5 is never blocked.
  void autoRenderDebouncesAndTheLatestEditWins() {
    // The stand-in logs its calls outside any private folder, which the sandbox forbids.
    qputenv("VERMORA_BWRAP", "none");
    const QString log = dir_->path() + "/calls.log";
    SetPovray(FakeRenderer(Beside("fake povray"),
                           ("echo \"$@\" >> '" + log + "'\nexec sleep 600\n").toUtf8()));
    auto w = NewWindow();
    w->resize(1200, 800);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get(), kHangMs));
    auto calls = [&] { return QString(Bytes(log)).split('\n', Qt::SkipEmptyParts); };
    auto* delay = w->findChild<QTimer*>("AutoRenderTimer");
    QVERIFY(delay);
    QSignalSpy fired(delay, &QTimer::timeout);
    w->findChild<QAction*>("AutoRender")->setChecked(true);
    auto* number = w->findChild<QLineEdit*>("EdNumber");
    number->setFocus();
    for (const char* text : {"3", "31", "32", "33"}) {
      number->setText(text);
      emit number->textEdited(text);
      QVERIFY(delay->isActive() && !w->render().composing());  // an edit only starts the wait again
    }
    QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, kHangMs);
    QCOMPARE(fired.size(), 1);  // one render for the whole run
    QVERIFY(w->render().auto_rendering() && !w->rendering());
    const QString first = calls().first();
    const int width = first.section("+W", 1).section(' ', 0, 0).toInt();
    const int height = first.section("+H", 1).section(' ', 0, 0).toInt();
    QVERIFY2(width > 209 && std::abs(width * 163 - height * 209) <= 209, qPrintable(first));
    emit number->textEdited("34");
    QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 2, kHangMs);
    QVERIFY(!delay->isActive() && !w->render().composing());  // nothing queued behind it
    // A slow picture shows its progress and a Cancel, the design still open to edits.
    auto* cancel = w->findChild<QPushButton*>("CancelRender");
    QTRY_VERIFY_WITH_TIMEOUT(cancel->isVisible(), kHangMs);
    QVERIFY(w->findChild<QProgressBar*>("RenderProgress")->isVisible());
    QVERIFY(Pages(*w)->widget(0)->isEnabled());
    cancel->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w->render().auto_rendering(), kHangMs);
    QVERIFY(!cancel->isVisible());
    QCOMPARE(w->statusBar()->currentMessage(), QString("Rendering cancelled"));
    // F5 takes over at once, at the size the set asks for.
    RenderAndWait(*w);
    QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 3, kHangMs);
    QVERIFY(calls().last().contains("+W209") && calls().last().contains("+H163"));
    QVERIFY(w->rendering());
    w->render().CancelRender();
    qunsetenv("VERMORA_BWRAP");
  }

  // A value the scene cannot use: auto render waits with the last picture and
  // says why; F5 names the field and asks; no means no scene.
  void aBadValueIsNotRenderedBehindTheUsersBack() {
    qputenv("VERMORA_BWRAP", "none");
    const QString log = dir_->path() + "/calls.log";
    SetPovray(FakeRenderer(Beside("logging povray"), ("echo \"$@\" >> '" + log + "'\n").toUtf8()));
    auto w = NewWindow();
    auto* delay = w->findChild<QTimer*>("AutoRenderTimer");
    QSignalSpy fired(delay, &QTimer::timeout);
    w->findChild<QAction*>("AutoRender")->setChecked(true);
    auto* number = w->findChild<QLineEdit*>("EdNumber");
    number->setText("-");
    emit number->textEdited("-");
    QTRY_COMPARE_WITH_TIMEOUT(fired.size(), 1, kHangMs);
    QTRY_VERIFY_WITH_TIMEOUT(!w->render().composing(), kHangMs);
    QVERIFY2(w->statusBar()->currentMessage().startsWith(
                 "Not rendered: \"Segments\" (Worms > SpiralWorm > General)"),
             qPrintable(w->statusBar()->currentMessage()));
    QVERIFY(!QFile::exists(log));
    prompts_.asks.clear();
    prompts_.ask_answer = false;
    RenderAndWait(*w);
    QCOMPARE(prompts_.asks.size(), 1);
    QVERIFY2(prompts_.asks[0].contains("holds \"-\": a number is needed"),
             qPrintable(prompts_.asks[0]));
    QVERIFY(!QFile::exists(log) && !w->rendering());
    qunsetenv("VERMORA_BWRAP");
  }

  // The habits of a desktop program: the standard keys, and File > Recent files
  // with what was last opened or saved; a file gone since is told and dropped.
  void shortcutsAndRecentFiles() {
    auto w = NewWindow();
    QCOMPARE(w->findChild<QAction*>("Open")->shortcut(), QKeySequence(QKeySequence::Open));
    QVERIFY(
        w->findChild<QAction*>("SaveAs")->shortcuts().contains(QKeySequence(QKeySequence::Save)));
    QCOMPARE(w->findChild<QAction*>("Exit")->shortcut(), QKeySequence(QKeySequence::Quit));
    Open(*w, "EdNumber|41\r\n", "first.vmx");
    prompts_.file_answers = {Beside("second.vmx")};
    QVERIFY(w->files().SaveSettingsAs());
    auto* menu = w->findChild<QMenu*>("RecentFiles");
    QVERIFY(menu && menu->isEnabled());
    QCOMPARE(w->recent_files()->paths().mid(0, 2),
             (QStringList{Beside("second.vmx"), Beside("first.vmx")}));
    QVERIFY(menu->actions().size() <= RecentFiles::kMost);
    QCOMPARE(Caption(*w), Beside("second.vmx"));
    menu->actions().at(1)->trigger();
    QCOMPARE(Caption(*w), Beside("first.vmx"));
    QCOMPARE(w->recent_files()->paths().first(), Beside("first.vmx"));
    QFile::remove(Beside("second.vmx"));
    prompts_.errors.clear();
    menu->actions().at(1)->trigger();
    QCOMPARE(prompts_.errors.size(), 1);
    QVERIFY(!w->recent_files()->paths().contains(Beside("second.vmx")));
  }

  // The picture takes most of the window: the scene's fields and the ancestry
  // share a tab below it, and the splitter between them sizes the picture itself.
  void thePictureHasMostOfTheWindow() {
    auto w = NewWindow();
    w->resize(1280, 820);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->findChild<QAction*>("ShowPicture")->trigger();
    auto* picture = w->findChild<QWidget*>("Image1");
    QTRY_VERIFY(picture->isVisible());
    QVERIFY2(picture->height() >= 0.6 * w->height(),
             qPrintable(QString("%1 of %2").arg(picture->height()).arg(w->height())));
    auto* split = w->findChild<QSplitter*>("SideSplitter");
    const int before = picture->height();
    split->setSizes({split->sizes()[0] - 150, split->sizes()[1] + 150});
    QTRY_VERIFY(picture->height() <= before - 100);
    auto* tabs = w->findChild<QTabWidget*>("SceneAndAncestry");
    QCOMPARE(tabs->tabText(0), QString("Scene"));
    QVERIFY(tabs->widget(0)->findChild<QWidget*>("EdInc1"));
    QCOMPARE(tabs->tabText(1), QString("Ancestry"));
    // F11: the picture alone on the screen, and back.
    QAction* full = w->findChild<QAction*>("FullScreenPicture");
    QCOMPARE(full->shortcut(), QKeySequence(Qt::Key_F11));
    full->trigger();
    auto* alone = w->findChild<QWidget*>("FullScreenPicture");
    QVERIFY(alone && alone->isFullScreen());
    full->trigger();
    QTRY_VERIFY(!w->findChild<QWidget*>("FullScreenPicture"));
  }

  // F1 opens the manual that ships with the program at the current page; New
  // gives the defaults back after asking about unsaved work.
  void manualAndNew() {
    auto w = NewWindow();
    w->show();
    Pages(*w)->setCurrentIndex(3);  // Textures
    QAction* manual = w->findChild<QAction*>("ManualItem");
    QCOMPARE(manual->shortcut(), QKeySequence(QKeySequence::HelpContents));
    manual->trigger();
    auto* browser = w->findChild<QTextBrowser*>("ManualText");
    QVERIFY(browser && browser->isVisible());
    QVERIFY(browser->toPlainText().contains("Textures"));
    for (const char* picture :
         {"window.png", "things.png", "textures.png", "variations.png", "animation.png"}) {
      QVERIFY2(
          QFileInfo(QFileInfo(browser->source().toLocalFile()).dir().filePath(picture)).size() > 0,
          picture);
    }
    QAction* new_set = w->findChild<QAction*>("New");
    QCOMPARE(new_set->shortcut(), QKeySequence(QKeySequence::New));
    Open(*w, "EdNumber|41\r\n");
    w->set().SetText("EdNumber", "42");
    prompts_.unsaved_answers = {UnsavedAnswer::kCancel};
    new_set->trigger();
    QCOMPARE(w->set().Text("EdNumber"), std::string("42"));
    prompts_.unsaved_answers = {UnsavedAnswer::kDiscard};
    new_set->trigger();
    QCOMPARE(SettingsText(w->set()), SettingsText(NewWindow()->set()));  // as a fresh start
    QCOMPARE(Caption(*w), QString("Vermora 0.99g : creatures for POV-Ray"));
  }

  void renderIsLockedCancellableAndSingle() {
    SetPovray(FakeRenderer(Beside("slow povray"), "exec sleep 600\n"));
    auto w = NewWindow();
    QSignalSpy done(w.get(), &MainWindow::RenderDone);
    RenderAndWait(*w);
    QVERIFY(w->rendering());
    QVERIFY(!Pages(*w)->widget(0)->isEnabled());
    QVERIFY(!w->findChild<QWidget*>("Panel4")->isEnabled());
    RenderAndWait(*w);
    QCOMPARE(w->statusBar()->currentMessage(), QString("A render is already running"));
    QCOMPARE(w->findChild<QAbstractButton*>("SBGo")->text(), QString("Render"));
    w->render().CancelRender();
    QVERIFY(done.wait(kHangMs));
    QCOMPARE(done.first().first().toBool(), false);
    QVERIFY(!w->rendering());
    QVERIFY(Pages(*w)->widget(0)->isEnabled());
    QCOMPARE(w->statusBar()->currentMessage(), QString("Rendering cancelled"));
    // Closing during a render ends the renderer before the working files go.
    RenderAndWait(*w);
    QVERIFY(w->rendering());
    w->show();
    QVERIFY(w->close());
    QVERIFY(!w->rendering());
    QCOMPARE(w->findChild<QAbstractButton*>("SBGo")->text(), QString("Render"));
  }

  void rendersTheSpiralWormIntoThePreview() {
    // Blanks, quotes and shell characters in the folder reach POV-Ray unharmed.
    dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/vermora ' \" $HOME; x-XXXXXX");
    auto w = NewWindow();
    w->set().SetOn("ChkWheelOn", false);
    w->set().SetText("edImageW", "32");
    w->set().SetText("edImageH", "24");
    w->set().SetText("edCamLocZ", "-15");  // near enough for the worm to fill some pixels
    QSignalSpy done(w.get(), &MainWindow::RenderDone);
    Pages(*w)->setCurrentIndex(1);
    RenderAndWait(*w);
    QVERIFY(done.wait(kHangMs));
    QVERIFY2(done.first().first().toBool(),
             qPrintable(w->findChild<QPlainTextEdit*>("Memo2")->toPlainText()));
    const QPixmap shown = w->findChild<QLabel*>("Image1")->pixmap();
    QCOMPARE(shown.size(), QSize(32, 24));
    const QImage picture = shown.toImage();
    int worm = 0;  // pixels that differ from the black background
    for (int i = 0; i < 32 * 24; ++i) worm += qGray(picture.pixel(i % 32, i / 32)) > 8;
    QVERIFY2(worm >= 10, qPrintable(QString::number(worm)));
    QVERIFY(!w->findChild<QLabel*>("Image2")->isVisible());
    QTabWidget* pages = Pages(*w);
    QVERIFY(pages->isTabVisible(pages->indexOf(w->findChild<QWidget*>("TabOut"))));
    QCOMPARE(pages->currentIndex(), 1);
    QVERIFY(!w->findChild<QPlainTextEdit*>("Memo2")->toPlainText().isEmpty());
    // A scene error: the former picture stays, the Output page and error picture come up.
    w->show();
    w->set().SetText("edJSegm", "object {NoSuchObject}");
    RenderAndWait(*w);
    QVERIFY(done.wait(kHangMs));
    QCOMPARE(done.last().first().toBool(), false);
    QCOMPARE(w->findChild<QLabel*>("Image1")->pixmap().cacheKey(), shown.cacheKey());
    QCOMPARE(pages->currentWidget()->objectName(), QString("TabOut"));
    QVERIFY(w->findChild<QLabel*>("Image2")->isVisible());
    QVERIFY(w->findChild<QPlainTextEdit*>("Memo2")->toPlainText().contains("Error"));
    prompts_.unsaved_answers = {UnsavedAnswer::kDiscard};
    w->close();
  }

  // A creature drawn from clock seeds (Star spores) is rendered as the 3-D view
  // and File > Export mesh have it, and each F5 draws it anew for all three.
  void f5RendersTheCreatureOfTheViewAndDrawsItAnew() {
    qputenv("VERMORA_BWRAP", "none");
    SetPovray(FakeRenderer(Beside("quiet povray"), "exit 0\n"));
    auto w = NewWindow();
    QVERIFY(LoadSettings(VERMORA_DATA_DIR "/examples/star-spores.vmx", w->set()).ok());
    auto places = [](const std::string& scene) {  // where the spores lie
      QStringList lines;
      for (const QString& line : QString::fromStdString(scene).split('\n'))
        if (line.contains("translate <")) lines << line;
      return lines;
    };
    QStringList drawn;
    for (int f5 = 0; f5 < 2; ++f5) {
      QSignalSpy done(w.get(), &MainWindow::RenderDone);
      RenderAndWait(*w);
      QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, kHangMs);
      ComposeOptions options;
      options.clock = &ModelClock();
      const QStringList view = places(ComposeScene(w->set(), options).scene);
      QVERIFY(view.size() > 20);
      QCOMPARE(places(Bytes(Home(kSceneFile)).toStdString()), view);
      QVERIFY(view != drawn);
      drawn = view;
    }
    qunsetenv("VERMORA_BWRAP");
  }
};

VERMORA_WINDOW_TEST_MAIN(MainWindowTest)

#include "main_window_test.moc"
