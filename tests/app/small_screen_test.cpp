// A laptop's 1280×720 screen: the window, every page and every dialog fit it,
// and what a page holds is reached by scrolling, never cut off.
#include "examples_dialog.h"
#include "render_picture_dialog.h"
#include "variations_view.h"
#include "window_test_main.h"

class SmallScreenTest : public WindowTest {
  Q_OBJECT

  static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }

  // The controls of `holder` that a user aims at.
  static QList<QWidget*> Controls(QWidget* holder) {
    QList<QWidget*> found;
    for (QWidget* child : holder->findChildren<QWidget*>()) {
      if (!child->isVisibleTo(holder)) continue;
      if (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLineEdit*>(child) ||
          qobject_cast<QComboBox*>(child) || qobject_cast<QAbstractSpinBox*>(child))
        found << child;
    }
    return found;
  }

  // Names every control of `holder` that lies outside it, even in part.
  static void Outside(QWidget* holder, const QString& where, QStringList& cut) {
    for (QWidget* control : Controls(holder)) {
      const QRect at(control->mapTo(holder, QPoint(0, 0)), control->size());
      if (!holder->rect().contains(at))
        cut << where + ": " + control->objectName() + " " + control->metaObject()->className();
    }
  }

  // A page holds its controls; one larger than its place scrolls to them.
  static void CheckPage(QWidget* page, const QString& where, QStringList& cut) {
    auto* area = qobject_cast<QScrollArea*>(page);
    if (!area) {
      Outside(page, where, cut);
      return;
    }
    QWidget* content = area->widget();
    Outside(content, where, cut);
    if (content->width() > area->viewport()->width() && area->horizontalScrollBar()->maximum() == 0)
      cut << where + " is wider than its place and does not scroll";
    if (content->height() > area->viewport()->height() && area->verticalScrollBar()->maximum() == 0)
      cut << where + " is taller than its place and does not scroll";
  }

  static void Walk(QTabWidget* tabs, const QString& path, QStringList& cut) {
    for (int i = 0; i < tabs->count(); ++i) {
      if (!tabs->isTabVisible(i)) continue;
      tabs->setCurrentIndex(i);
      QCoreApplication::processEvents();
      const QString here = path + "/" + tabs->tabText(i).remove('&');
      if (auto* inner = qobject_cast<QTabWidget*>(tabs->widget(i)))
        Walk(inner, here, cut);
      else
        CheckPage(tabs->widget(i), here, cut);
    }
  }

  // A dialog as it opens: within the screen, its controls within it.
  static void CheckDialog(QWidget* dialog, const QString& name, QStringList& cut) {
    QVERIFY2(QTest::qWaitForWindowExposed(dialog), qPrintable(name));
    if (!Screen().contains(dialog->frameGeometry()))
      cut << name + " opens at " + QString("%1×%2").arg(dialog->width()).arg(dialog->height());
    Outside(dialog, name, cut);
  }

 private slots:
  void init() { Reset(kPovray); }

  void theWindowAndEveryPageFit() {
    QCOMPARE(Screen().size(), QSize(1280, 720));
    auto w = NewWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY2(Screen().contains(w->frameGeometry()),
             qPrintable(QString("%1×%2").arg(w->width()).arg(w->height())));
    QStringList cut;
    // Every page, with every switch that shows more rows on.
    for (const char* on : {"ChkWheelOn", "chkAnim", "chkSOOn", "ChkBubble"})
      w->set().SetOn(on, true);
    w->RefreshFields();
    Walk(w->findChild<QTabWidget*>("PageControl1"), "", cut);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
  }

  void everyDialogFits() {
    auto w = NewWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QStringList cut;
    ExamplesDialog examples(VERMORA_DATA_DIR, w.get());
    examples.show();
    CheckDialog(&examples, "Examples", cut);
    w->OpenVariations();
    auto* variations = w->findChild<VariationsView*>();
    QVERIFY(variations);
    CheckDialog(variations, "Variations", cut);
    variations->close();
    w->findChild<QAction*>("RenderPicture")->trigger();
    auto* picture = w->findChild<RenderPictureDialog*>();
    QVERIFY(picture);
    CheckDialog(picture, "Render picture", cut);
    picture->close();
    w->findChild<QAction*>("ManualItem")->trigger();
    QWidget* manual = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->isVisible() && top->objectName() == "Manual") manual = top;
    }
    QVERIFY(manual);
    CheckDialog(manual, "Manual", cut);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
  }
};

int main(int argc, char** argv) { return RunWindowTests<SmallScreenTest>(argc, argv, {1280, 720}); }

#include "small_screen_test.moc"
