#include "variations_view.h"
#include "window_test_main.h"

class UndoTest : public WindowTest {
  Q_OBJECT

 private slots:
  void init() { Reset(kPovray); }

  void editsLoadAndVariantUndoAndRedoByteForByte() {
    auto w = NewWindow();
    auto* undo = w->findChild<QAction*>("Undo");
    auto* redo = w->findChild<QAction*>("Redo");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    const std::string start = SettingsText(w->set());
    auto* edit = w->findChild<QLineEdit*>("EdNumber");
    edit->selectAll();
    QTest::keyClicks(edit, "123");  // one run of typing, one step
    const std::string typed = SettingsText(w->set());
    QVERIFY(typed != start);
    ParameterSet other = w->set();
    other.SetText("EdNumber", "77");
    prompts_.file_answers = {SaveBeside("other.vmx", other)};
    prompts_.unsaved_answers = {UnsavedAnswer::kDiscard};
    w->files().OpenSettings();
    const std::string loaded = SettingsText(w->set());
    QCOMPARE(w->set().Text("EdNumber"), std::string("77"));
    VariationsView view(*w);
    QVERIFY(view.Produce(9));
    view.CancelAll();
    view.Choose(1);
    view.CancelAll();
    view.Take();
    const std::string adopted = SettingsText(w->set());
    QCOMPARE(adopted, SettingsText(view.centre()));
    w->undo().Undo();
    QCOMPARE(SettingsText(w->set()), loaded);
    w->undo().Undo();
    QCOMPARE(SettingsText(w->set()), typed);
    QCOMPARE(edit->text(), QString("123"));
    w->undo().Undo();
    QCOMPARE(SettingsText(w->set()), start);
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    for (int i = 0; i < 3; ++i) w->undo().Redo();
    QCOMPARE(SettingsText(w->set()), adopted);
    QVERIFY(!redo->isEnabled());
  }

  // F5 on an engine's page runs that engine first (before the renderer is looked for).
  void undoOfAnEngineStepRestoresItsKeptParent() {
    SetPovray("/no/such/povray");
    auto w = NewWindow();
    const QString kept = dir_->path() + "/home/_mutate.vmx";
    const std::string before = SettingsText(w->set());
    RenderAndWait(*w);  // the General page: no engine
    QVERIFY(SettingsText(w->set()) == before && !QFile::exists(kept));
    auto* features = w->findChild<QTabWidget*>("TabFeatures");
    w->findChild<QTabWidget*>("PageControl1")->setCurrentWidget(features);
    features->setCurrentWidget(w->findChild<QWidget*>("TabFeaturesMutate"));
    RenderAndWait(*w);  // F5: the engine step, then the renderer is missing
    const std::string stepped = SettingsText(w->set());
    QVERIFY(stepped != before && QFile::exists(kept));
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text().toStdString(), w->set().Text("EdNumber"));
    w->undo().Undo();
    QCOMPARE(SettingsText(w->set()), before);
    QVERIFY(!QFile::exists(kept));  // the next step saves the parent afresh
    w->undo().Redo();
    QCOMPARE(SettingsText(w->set()), stepped);
    QVERIFY(QFile::exists(kept));
  }
};

VERMORA_WINDOW_TEST_MAIN(UndoTest)
#include "undo_test.moc"
