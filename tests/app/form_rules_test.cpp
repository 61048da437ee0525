#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "fake_prompts.h"
#include "window_test_main.h"
#include "main_window.h"
#include "page_builder.h"
#include "params/enabling_rules.h"

using namespace vermora;
using namespace vermora::app;
using vermora::app::test::FakePrompts;

class FormRulesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  FakePrompts prompts_;

  std::unique_ptr<MainWindow> NewWindow() {
    return std::make_unique<MainWindow>(TestSetup(dir_->path() + "/home/", &prompts_));
  }
  // Whether the page's tab shows in the tabs holding it.
  static bool TabShown(MainWindow& w, const char* path) {
    auto* page = w.findChild<QWidget*>(PageObjectName(path));
    if (!page) return false;
    for (QWidget* up = page->parentWidget(); up; up = up->parentWidget()) {
      if (auto* tabs = qobject_cast<QTabWidget*>(up)) return tabs->isTabVisible(tabs->indexOf(page));
    }
    return false;
  }
  static QWidget* Control(MainWindow& w, const char* name) { return w.findChild<QWidget*>(name); }
  static QCheckBox* Box(MainWindow& w, const char* name) { return w.findChild<QCheckBox*>(name); }
  static void Hover(QWidget* widget, QEvent::Type type) {
    if (type == QEvent::Enter) {
      QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
      QApplication::sendEvent(widget, &enter);
    } else {
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(widget, &leave);
    }
  }
  // Every control and page the rules govern shows the rules' state of the set.
  static void MatchesTheRules(MainWindow& w) {
    const FormState form = EvaluateForm(w.set());
    for (size_t i = 0; i < w.set().size(); ++i) {
      const ParamDef& def = w.set().def(i);
      if (def.end_twin) continue;
      QWidget* c = w.findChild<QWidget*>(QString::fromLatin1(def.name.data(), def.name.size()));
      QVERIFY2(c, def.name.data());
      if (IsCommandButton(def)) continue;  // shown by the panel of its command
      QVERIFY2(c->isEnabled() == form.Enabled(def.name), def.name.data());
      QVERIFY2(c->isHidden() == !form.Visible(def.name), def.name.data());
    }
    for (std::string_view path : RulePagePaths()) {
      QVERIFY2(TabShown(w, std::string(path).c_str()) == form.Visible(path), path.data());
    }
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    prompts_ = FakePrompts();
    QSettings(kSettingsOrg, kSettingsApp).setValue(kPovrayPathKey, "/no/such/povray");
  }

  void startShowsTheDefaultState() {
    auto w = NewWindow();
    MatchesTheRules(*w);
    QVERIFY(TabShown(*w, "Worms/SpiralWorm"));
    QVERIFY(!TabShown(*w, "Worms/CurlWorm"));
    QVERIFY(TabShown(*w, "Things"));
    QVERIFY(!Control(*w, "EdRotFacX")->isEnabled());
    QVERIFY(Control(*w, "RadioGroup2")->isHidden());
  }

  void clicksShowEnableAndReset() {
    auto w = NewWindow();
    Box(*w, "ChkARot")->click();
    QVERIFY(Control(*w, "EdRotFacX")->isEnabled());
    Box(*w, "ChkBubble")->click();
    QVERIFY(TabShown(*w, "Worms/SpiralWorm/Bubble"));
    auto* start = w->findChild<QLineEdit*>("EdBBScaleSt");
    start->setText("40");
    w->set().SetText("EdBBScaleSt", "40");
    Box(*w, "ChkBubble")->click();
    QVERIFY(!TabShown(*w, "Worms/SpiralWorm/Bubble"));
    QCOMPARE(start->text(), QString("100"));

    // The alternate worm's choice shows with its switch, and its worm's page with it.
    Box(*w, "ChkAlternate")->click();
    QVERIFY(!Control(*w, "RadioGroup2")->isHidden());
    QVERIFY(TabShown(*w, "Worms/CurlWorm"));
    Control(*w, "RadioGroup2")->findChildren<QRadioButton*>()[7]->click();
    QVERIFY(TabShown(*w, "Worms/TorusSpline"));
    QVERIFY(!TabShown(*w, "Worms/CurlWorm"));
    // The last thing off takes the Things page, the switch and the second worm.
    Box(*w, "ChkWheelOn")->click();
    QVERIFY(!TabShown(*w, "Things"));
    QVERIFY(Control(*w, "ChkAlternate")->isHidden());
    QVERIFY(!Box(*w, "ChkAlternate")->isChecked());
    QVERIFY(!TabShown(*w, "Worms/TorusSpline"));
    if (!Box(*w, "ChkCScaleOn")->isChecked()) Box(*w, "ChkCScaleOn")->click();
    QVERIFY(Control(*w, "chkCUnif")->isEnabled());
    Box(*w, "chkCUnif")->click();
    QVERIFY(Control(*w, "edCScaleMaxY")->isHidden());
    // A thing switched on brings its own page to the front of the Things page.
    Box(*w, "chkHornOn")->click();
    auto* things = qobject_cast<QTabWidget*>(Control(*w, "TabThings"));
    QVERIFY(things && TabShown(*w, "Things"));
    QCOMPARE(things->currentWidget()->objectName(), QString("TabThingsHorn"));
    MatchesTheRules(*w);
  }

  void loadingASetShowsItsState() {
    auto w = NewWindow();
    const QString file = dir_->path() + "/rules.vmx";
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Quorel 0.9\r\nRadioGroup2|6\r\nChkAlternate|Y\r\nChkWheelOn|N\r\nChkFanOn|Y\r\n"
            "ChkBubble|Y\r\nchkTSerie|N\r\nedSWTrig|12\r\nScrAN|4\r\nchkAltJS|Y\r\n");
    f.close();
    prompts_.file_answers = {file};
    w->OpenSettings();
    QVERIFY(prompts_.errors.isEmpty());
    QCOMPARE(w->set().Index("RadioGroup2"), 6);
    QVERIFY(TabShown(*w, "Worms/TwoDWorm"));
    QVERIFY(TabShown(*w, "Things/Fan/Wheel"));
    QVERIFY(TabShown(*w, "Worms/SpiralWorm/Bubble"));
    QCOMPARE(w->findChild<QLineEdit*>("edSWTrig")->text(), QString("12"));
    QVERIFY(!Control(*w, "edSWTrig")->isEnabled());
    QVERIFY(!Control(*w, "edPoint4X")->isHidden());
    QVERIFY(Control(*w, "edPoint5X")->isHidden());
    QVERIFY(!Control(*w, "edJSegm2")->isHidden());
    MatchesTheRules(*w);
  }

  void engineChangesShowTheirState() {
    auto w = NewWindow();
    auto* pages = w->findChild<QTabWidget*>("PageControl1");
    auto* features = qobject_cast<QTabWidget*>(w->findChild<QWidget*>("TabFeatures"));
    QVERIFY(features);
    for (int run = 0; run < 3; ++run) {
      pages->setCurrentWidget(features);
      features->setCurrentWidget(w->findChild<QWidget*>("TabFeaturesRandom"));
      w->RenderScene();  // the engine runs, then the renderer is found missing
      MatchesTheRules(*w);
    }
  }

  void hoverShowsTheHint() {
    auto w = NewWindow();
    QWidget* number = Control(*w, "EdNumber");
    QCOMPARE(number->toolTip(), QString("Number of segments ..."));
    Hover(number, QEvent::Enter);
    QCOMPARE(w->statusBar()->currentMessage(), QString("Number of segments ..."));
    Hover(number, QEvent::Leave);
    QCOMPARE(w->statusBar()->currentMessage(), QString());

    // The label beside a field explains the field.
    const QString every = "every n segment a branch ...";
    QCOMPARE(Control(*w, "EdBranchTrigger")->toolTip(), every);
    QLabel* label = nullptr;
    for (QLabel* l : w->findChildren<QLabel*>()) {
      if (l->toolTip() == every) label = l;
    }
    QVERIFY(label);
    Hover(label, QEvent::Enter);
    QCOMPARE(w->statusBar()->currentMessage(), every);

    QCOMPARE(Control(*w, "EdTSpread")->toolTip(),
             QString::fromLatin1("360\xB0*1 is one turn, neg. is clockwise, pos. is counterclockwise ..."));
    for (QWidget* control : w->findChildren<QWidget*>()) {
      const QString name = control->objectName();
      // No control explains itself by its own name.
      if (w->set().Find(name.toStdString()) < 0) continue;
      QVERIFY2(control->toolTip() != name, qPrintable(name));
    }
    QWidget* evolve = w->findChild<QWidget*>("TabFeaturesEvolve");
    Hover(evolve, QEvent::Enter);
    QCOMPARE(w->statusBar()->currentMessage(),
             QString("fill in the values and hit RenderButton or F5 on this Tab to evolve ..."));
  }

  void keyboardRendersAndTabsInPageOrder() {
    auto w = NewWindow();
    QCOMPARE(w->findChild<QAction*>("Render")->shortcut(), QKeySequence(Qt::Key_F5));
    // From EdNumber the next focusable control is the next field of the page.
    QWidget* next = Control(*w, "EdNumber")->nextInFocusChain();
    while (next && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    QVERIFY(next);
    QCOMPARE(next->objectName(), QString("EdNumber3"));  // its end value, shown while animating
    next = next->nextInFocusChain();
    while (next && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    QCOMPARE(next->objectName(), QString("EdSpace"));
  }
};

VERMORA_WINDOW_TEST_MAIN(FormRulesTest)
#include "form_rules_test.moc"
