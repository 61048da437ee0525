#include "variation/lineage.h"
#include "window_test_main.h"

class BreedingLocksTest : public WindowTest {
  Q_OBJECT

 private:
  QString Partner() {
    ParameterSet partner;
    partner.SetText("EdNumber", "44");
    partner.SetText("EdOmw", "7.5");
    return SaveBeside("partner.vmx", partner);
  }

 private slots:
  void init() { Reset(kPovray); }

  void breedingButtonMakesAChildAndIsOneUndoStep() {
    auto w = NewWindow();
    auto* breed = w->findChild<QPushButton*>("SpeedButton2");
    QVERIFY(breed);
    QCOMPARE(breed->text(), QString("Load in partner and let them have their fun !!!"));
    const std::string before = SettingsText(w->set());
    prompts_.file_answers = {Partner()};
    breed->click();
    QCOMPARE(prompts_.dialog_titles.back(), QString("Open Vermora File"));
    const std::string number = w->set().Text("EdNumber");
    QVERIFY(number == "30" || number == "44");
    QCOMPARE(w->findChild<QLineEdit*>("EdNumber")->text().toStdString(), number);
    w->undo().Undo();
    QCOMPARE(SettingsText(w->set()), before);
    // A partner file that is not there: the loader's message, the set unchanged.
    prompts_.file_answers = {dir_->path() + "/missing.vmx"};
    breed->click();
    QCOMPARE(prompts_.errors.size(), 1);
    QCOMPARE(SettingsText(w->set()), before);
  }

  void lockedGenesStayThroughBreedingAndTheirSideFile() {
    auto w = NewWindow();
    w->lineage().SetLock("EdNumber", true, false);
    auto* field = w->findChild<QLineEdit*>("EdNumber");
    QVERIFY(field->property("geneLocked").toBool());
    for (int i = 0; i < 6; ++i) {
      prompts_.file_answers = {Partner()};
      w->lineage().BreedWithPartner();
      QCOMPARE(w->set().Text("EdNumber"), std::string("30"));
    }
    const QString file = dir_->path() + "/locked.vmx";
    const QString locks = dir_->path() + "/locked.locks";
    prompts_.file_answers = {file};
    QVERIFY(w->files().SaveSettingsAs());
    QVERIFY(QFile::exists(locks));
    auto again = NewWindow();
    prompts_.file_answers = {file};
    again->files().OpenSettings();
    QVERIFY(again->locks().Holds("EdNumber"));
    QVERIFY(again->findChild<QLineEdit*>("EdNumber")->property("geneLocked").toBool());
    // Unlocked and saved again: no stale side file.
    again->lineage().SetLock("EdNumber", false, false);
    QVERIFY(!again->findChild<QLineEdit*>("EdNumber")->property("geneLocked").toBool());
    prompts_.file_answers = {file};
    QVERIFY(again->files().SaveSettingsAs());
    QVERIFY(!QFile::exists(locks));
    // A broken side file is told, and the set still loads.
    WriteFile(locks, "nonsense line\n");
    auto third = NewWindow();
    prompts_.file_answers = {file};
    third->files().OpenSettings();
    QCOMPARE(Caption(*third), file);
    QVERIFY(!prompts_.warnings.isEmpty() || !prompts_.errors.isEmpty());
  }

  void lineageOfThreeGenerationsInTheAncestryRow() {
    auto w = NewWindow();
    const QString a = dir_->path() + "/a.vmx", b = dir_->path() + "/b.vmx",
                  c = dir_->path() + "/c.vmx";
    prompts_.file_answers = {a};
    QVERIFY(w->files().SaveSettingsAs());
    QImage picture(32, 24, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(dir_->path() + "/a.png"));
    for (const QString& child : {b, c}) {
      prompts_.file_answers = {QString(), child};  // breed with itself, then save
      w->lineage().BreedWithPartner();
      QVERIFY(w->files().SaveSettingsAs());
    }
    std::vector<std::string> warnings;
    const LineageRecord record = ReadLineageFile(c.toStdString(), warnings);
    QCOMPARE(record.engine, std::string("breed"));
    QCOMPARE(record.parents, std::vector<std::string>{b.toStdString()});
    QVERIFY(warnings.empty());
    auto* parent = w->findChild<QToolButton*>("Ancestor1");
    auto* grandparent = w->findChild<QToolButton*>("Ancestor2");
    QVERIFY(parent && grandparent);
    QCOMPARE(parent->text(), QString("b"));
    QCOMPARE(grandparent->text(), QString("a"));
    QVERIFY(!grandparent->icon().isNull());
    grandparent->click();
    QCOMPARE(Caption(*w), a);
    QVERIFY(!w->findChild<QToolButton*>("Ancestor1"));  // a has no ancestors
  }
};

VERMORA_WINDOW_TEST_MAIN(BreedingLocksTest)

#include "breeding_locks_test.moc"
