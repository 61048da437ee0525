#include <set>

#include "form/enabling_rules.h"
#include "page_builder.h"
#include "params/param_table.h"
#include "window_test_main.h"

class FormRulesTest : public WindowTest {
  Q_OBJECT

 private:
  // Whether the page's tab shows in the tabs holding it.
  static bool TabShown(MainWindow& w, const char* path) {
    auto* page = w.findChild<QWidget*>(PageObjectName(path));
    if (!page) return false;
    for (QWidget* up = page->parentWidget(); up; up = up->parentWidget()) {
      if (auto* tabs = qobject_cast<QTabWidget*>(up))
        return tabs->isTabVisible(tabs->indexOf(page));
    }
    return false;
  }
  static QWidget* Control(MainWindow& w, const char* name) { return w.findChild<QWidget*>(name); }
  static QCheckBox* Box(MainWindow& w, const char* name) { return w.findChild<QCheckBox*>(name); }
  static void Hover(QWidget* widget, QEvent::Type type) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, type == QEvent::Enter ? static_cast<QEvent*>(&enter) : &leave);
  }
  // Whether a user can bring the control into view by clicking tabs alone.
  static bool Reachable(QWidget* c, QWidget* top) {
    for (QWidget* up = c; up && up != top; up = up->parentWidget()) {
      auto* stack = up->parentWidget();
      auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
      if (tabs && tabs->indexOf(up) >= 0) {
        if (!tabs->isTabVisible(tabs->indexOf(up))) return false;
      } else if (up->isHidden()) {
        return false;
      }
    }
    return true;
  }
  static QWidget* Of(MainWindow& w, const ParamDef& def) {
    return w.findChild<QWidget*>(QString::fromLatin1(def.name.data(), def.name.size()));
  }
  // What a person sees: hidden parameters never, every shown tab with a width.
  static void ShowsNoHiddenField(MainWindow& w) {
    for (size_t i = 0; i < w.set().size(); ++i) {
      const ParamDef& def = w.set().def(i);
      if (def.hidden) QVERIFY2(!Reachable(Of(w, def), &w), def.name.data());
    }
    if (!w.isVisible()) return;
    for (QTabWidget* tabs : w.findChildren<QTabWidget*>()) {
      if (!tabs->isVisibleTo(&w)) continue;
      for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i)) continue;
        QVERIFY2(tabs->tabBar()->tabRect(i).width() > 0, qPrintable(tabs->tabText(i)));
      }
    }
  }

 private slots:
  void init() { Reset("/no/such/povray"); }

  // From the start state (the form rules' own test checks it item by item).
  void clicksShowEnableAndReset() {
    auto w = NewWindow();
    ShowsNoHiddenField(*w);
    QVERIFY(!Control(*w, "EdRotFacX")->isEnabled() && Control(*w, "RadioGroup2")->isHidden());
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
    // The last thing off takes the Things page and the alternate switch with it;
    // the switches below stay where the pointer is.
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get(), kHangMs));
    const int fan_at = Box(*w, "ChkFanOn")->mapTo(w.get(), QPoint()).y();
    Box(*w, "ChkWheelOn")->click();
    QVERIFY(!TabShown(*w, "Things"));
    QVERIFY(Control(*w, "ChkAlternate")->isHidden());
    QApplication::processEvents();
    QCOMPARE(Box(*w, "ChkFanOn")->mapTo(w.get(), QPoint()).y(), fan_at);
    // A worm chosen brings its own page to the front of the Worms page.
    auto* worms = qobject_cast<QTabWidget*>(Control(*w, "TabWorms"));
    QVERIFY(worms);
    w->findChild<QWidget*>("RadioGroup1")->findChildren<QRadioButton*>()[6]->click();
    QCOMPARE(worms->currentWidget()->objectName(), QString("TabWormsTwoDWorm"));
    w->findChild<QWidget*>("RadioGroup1")->findChildren<QRadioButton*>()[0]->click();
    QCOMPARE(worms->currentWidget()->objectName(), QString("TabWormsSpiralWorm"));
    // A thing switched on brings its own page to the front of the Things page.
    Box(*w, "chkHornOn")->click();
    auto* things = qobject_cast<QTabWidget*>(Control(*w, "TabThings"));
    QVERIFY(things && TabShown(*w, "Things"));
    QCOMPARE(things->currentWidget()->objectName(), QString("TabThingsHorn"));
    ShowsNoHiddenField(*w);
    // Labels read as written: "rotation (°)", never "(Â°)" or a replacement mark.
    QStringList labels;
    for (QLabel* label : w->findChildren<QLabel*>()) labels << label->text();
    QVERIFY(labels.contains(QString::fromUtf8("Second texture rotation (°)")));
    QVERIFY(!labels.join('\n').contains(QChar(0xC2)) && !labels.join('\n').contains(QChar(0xFFFD)));
  }

  // A part whose range lies outside its worm says so, and can be fitted.
  void aRangeOutsideTheWormIsToldAndFitted() {
    auto w = NewWindow();
    auto* fit = w->findChild<QPushButton*>("FitRange");
    QVERIFY(fit && fit->isHidden());
    Box(*w, "ChkBubble")->click();  // bubbles from segment 100, the worm has 30
    const QString told = "Bubbles from segment 100: this worm has 30 segments";
    QCOMPARE(w->statusBar()->currentMessage(), told);
    QVERIFY(!fit->isHidden());
    QVERIFY(Control(*w, "EdBBScaleSt")->toolTip().startsWith(told));
    fit->click();
    QCOMPARE(w->set().Text("EdBBScaleSt"), std::string("10"));
    QCOMPARE(w->set().Text("EdBBScEnd"), std::string("30"));
    QVERIFY(fit->isHidden());
    QVERIFY(!Control(*w, "EdBBScaleSt")->toolTip().startsWith(told));
    w->undo().Undo();  // one step back: the range as it was
    QCOMPARE(w->set().Text("EdBBScaleSt"), std::string("100"));
    QVERIFY(!fit->isHidden());
  }

  void loadingASetShowsItsState() {
    auto w = NewWindow();
    Open(*w,
         "RadioGroup2|6\r\nChkAlternate|Y\r\nChkWheelOn|N\r\nChkFanOn|Y\r\n"
         "ChkBubble|Y\r\nchkTSerie|N\r\nedSWTrig|12\r\nScrAN|4\r\nchkAltJS|Y\r\n");
    QVERIFY(prompts_.errors.isEmpty());
    QCOMPARE(w->set().Index("RadioGroup2"), 6);
    for (const char* tab : {"Worms/TwoDWorm", "Things/Fan/Wheel", "Worms/SpiralWorm/Bubble"})
      QVERIFY2(TabShown(*w, tab), tab);
    QCOMPARE(w->findChild<QLineEdit*>("edSWTrig")->text(), QString("12"));
    QVERIFY(!Control(*w, "edSWTrig")->isEnabled());
    QVERIFY(!Control(*w, "edPoint4X")->isHidden() && Control(*w, "edPoint5X")->isHidden());
    QVERIFY(!Control(*w, "edJSegm2")->isHidden());
    ShowsNoHiddenField(*w);
    // A loaded set the rules would not allow still shows every switch that is on.
    auto curl = NewWindow();
    Open(*curl, "RadioGroup1|1\r\nChkBubble|Y\r\n");
    QVERIFY(curl->set().On("ChkBubble"));
    QVERIFY(Reachable(Control(*curl, "ChkBubble"), curl.get()));
    QVERIFY(TabShown(*curl, "Worms/CurlWorm"));
  }

  void engineChangesShowTheirState() {
    auto w = NewWindow();
    auto* pages = w->findChild<QTabWidget*>("PageControl1");
    auto* features = qobject_cast<QTabWidget*>(w->findChild<QWidget*>("TabFeatures"));
    QVERIFY(features);
    for (int run = 0; run < 3; ++run) {
      pages->setCurrentWidget(features);
      features->setCurrentWidget(w->findChild<QWidget*>("TabFeaturesRandom"));
      RenderAndWait(*w);  // the engine runs, then the renderer is found missing
      ShowsNoHiddenField(*w);
    }
  }

  // From the default set, clicks on switches, choices, lists and tabs alone bring
  // every parameter a user may change into view; shown tabs are never 0 wide.
  void everyFieldCanBeReachedByClicks() {
    std::set<std::string> reached;
    // Each run shows two worms: the first as the main worm, the other as the alternate.
    for (int worm = 0; worm < 4; ++worm) {
      auto w = NewWindow();
      w->show();
      auto note = [&] {
        for (size_t i = 0; i < w->set().size(); ++i) {
          const ParamDef& def = w->set().def(i);
          if (Reachable(Of(*w, def), w.get())) reached.insert(std::string(def.name));
        }
      };
      auto click = [&](QAbstractButton* b) {
        if (!Reachable(b, w.get())) return false;
        b->click();
        note();
        return true;
      };
      click(Control(*w, "RadioGroup1")->findChildren<QRadioButton*>()[worm]);
      click(Box(*w, "ChkAlternate"));
      click(Control(*w, "RadioGroup2")->findChildren<QRadioButton*>()[worm + 4]);
      // Rounds end when nothing new comes on (exclusive pairs keep flipping).
      for (int round = 0, clicked = 1; clicked && round < 4; ++round) {
        clicked = 0;
        for (QCheckBox* box : w->findChildren<QCheckBox*>()) {
          if (w->set().Find(box->objectName().toStdString()) >= 0 && !box->isChecked()) {
            clicked += click(box) ? 1 : 0;
          }
        }
      }
      for (QComboBox* list : w->findChildren<QComboBox*>()) {
        // The type lists decide which texture rows show; the colour lists decide nothing.
        if (worm == 0 && w->set().Find(list->objectName().toStdString()) >= 0 &&
            !list->objectName().startsWith("cbColor") && Reachable(list, w.get())) {
          for (int k = 0; k < list->count(); ++k) {
            list->setCurrentIndex(k);
            emit list->activated(k);
            note();
          }
        }
      }
      if (auto* points = w->findChild<QScrollBar*>("ScrAN")) points->setValue(points->maximum());
      note();
      QCoreApplication::sendPostedEvents();  // the tab bars lay out what came on
      ShowsNoHiddenField(*w);
    }
    for (const ParamDef& def : ParamTable()) {
      if (def.hidden || IsCommandButton(def)) continue;
      QVERIFY2(reached.count(std::string(def.name)), def.name.data());
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
    for (QLabel* l : w->findChildren<QLabel*>()) label = l->toolTip() == every ? l : label;
    QVERIFY(label);
    Hover(label, QEvent::Enter);
    QCOMPARE(w->statusBar()->currentMessage(), every);
    QCOMPARE(Control(*w, "EdTSpread")->toolTip(),
             QString::fromLatin1(
                 "360\xB0*1 is one turn, neg. is clockwise, pos. is counterclockwise ..."));
    for (QWidget* control :
         w->findChildren<QWidget*>()) {  // no control explains itself by its own name
      const QString name = control->objectName();
      if (w->set().Find(name.toStdString()) >= 0)
        QVERIFY2(control->toolTip() != name, qPrintable(name));
    }
    QWidget* evolve = w->findChild<QWidget*>("TabFeaturesEvolve");
    Hover(evolve, QEvent::Enter);
    QCOMPARE(w->statusBar()->currentMessage(),
             QString("fill in the values and hit RenderButton or F5 on this Tab to evolve ..."));
    // F5 renders; from EdNumber the tab key goes to the next field of the page.
    QCOMPARE(w->findChild<QAction*>("Render")->shortcut(), QKeySequence(Qt::Key_F5));
    QStringList order;  // EdNumber3 is its end value, shown while animating
    for (QWidget* next = Control(*w, "EdNumber")->nextInFocusChain(); next && order.size() < 2;
         next = next->nextInFocusChain()) {
      if (next->focusPolicy() & Qt::TabFocus) order << next->objectName();
    }
    QCOMPARE(order, (QStringList{"EdNumber3", "EdSpace"}));
  }
};

VERMORA_WINDOW_TEST_MAIN(FormRulesTest)
#include "form_rules_test.moc"
