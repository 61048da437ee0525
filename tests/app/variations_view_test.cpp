#include "variations_view.h"

#include <QScreen>
#include <set>

#include "preview_picture.h"
#include "window_test_main.h"

class VariationsViewTest : public WindowTest {
  Q_OBJECT

 private:
  static std::set<std::string> Texts(const VariationsView& view) {
    std::set<std::string> texts;
    for (const ParameterSet& set : view.cells()) texts.insert(SettingsText(set));
    return texts;
  }

 private slots:
  void init() { Reset(kPovray); }

  // The current set in the centre, eight seeded variants around it; a click on one
  // breeds on from it, Back returns, Take gives the centre to the window.
  void breedingLoopFromTheCentre() {
    auto window = NewWindow();
    const std::string start = SettingsText(window->set());
    VariationsView view(*window);
    view.SetThumbnailSize(32, 24);
    QVERIFY(view.Produce(7));
    view.CancelAll();
    QCOMPARE(view.cells().size(), size_t{9});
    QCOMPARE(SettingsText(view.centre()), start);
    QCOMPARE(Texts(view).size(), size_t{9});
    const std::string first_ring_2 = SettingsText(view.cells()[2]);
    VariationsView again(*window);
    QVERIFY(again.Produce(7));
    again.CancelAll();
    QCOMPARE(SettingsText(again.cells()[2]), first_ring_2);
    QTest::mouseClick(view.cell(2), Qt::LeftButton);
    view.CancelAll();
    QCOMPARE(SettingsText(view.centre()), first_ring_2);
    QCOMPARE(view.steps(), 1);
    QVERIFY(Texts(view).size() >= 7);  // a new ring (a mutant may equal its parent)
    QVERIFY(SettingsText(view.cells()[0]) != SettingsText(again.cells()[0]));
    QCOMPARE(SettingsText(window->set()), start);  // nothing taken yet
    view.Back();
    view.CancelAll();
    QCOMPARE(SettingsText(view.centre()), start);
    QCOMPARE(SettingsText(view.cells()[2]), first_ring_2);
    QTest::mouseClick(view.cell(2), Qt::LeftButton);
    view.CancelAll();
    view.Take();
    QCOMPARE(SettingsText(window->set()), first_ring_2);
    QVERIFY(window->modified());
    window->undo().Undo();
    QCOMPARE(SettingsText(window->set()), start);
  }

  void thumbnailsScaleWithTheDialog() {
    auto window = NewWindow();
    VariationsView view(*window);
    // It opens within the screen, so its buttons are never off a small one.
    const QSize screen = view.screen()->availableGeometry().size();
    QVERIFY2(view.width() <= screen.width() && view.height() <= screen.height(),
             qPrintable(QString::number(screen.height())));
    view.resize(1200, 1000);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, kHangMs));
    QVERIFY(view.cell(0)->width() >= 300 && view.cell(VariationsView::kCentre)->width() >= 300);
    view.resize(700, 560);
    QTRY_VERIFY_WITH_TIMEOUT(view.cell(0)->width() >= 200 && view.cell(0)->width() < 300, kHangMs);
  }

  void missingRendererMarksEveryCellFailed() {
    SetPovray("/no/such/povray");
    auto window = NewWindow();
    VariationsView view(*window);
    view.SetThumbnailSize(32, 24);
    QSignalSpy done(&view, &VariationsView::AllDone);
    QVERIFY(view.Produce(5));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, kHangMs);
    QCOMPARE(view.cell(1)->text(), QString("Failed"));
    QVERIFY(view.cell(1)->toolTip().contains("/no/such/povray"));
    QCOMPARE(view.running(), 0);
  }

  void realRenderFillsEveryThumbnail() {
    auto window = NewWindow();
    VariationsView view(*window);
    view.SetThumbnailSize(32, 24);
    QSignalSpy done(&view, &VariationsView::AllDone);
    QVERIFY(view.Produce(11));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, kHangMs);
    int pictures = 0;
    for (int i = 0; i < VariationsView::kCells; ++i) {
      const QPixmap shown = view.cell(i)->pixmap();
      if (shown.isNull()) continue;
      ++pictures;
      QCOMPARE(shown.size(), QSize(32, 24));
    }
    // Dropped (weak) offspring are not rendered; the centre always is.
    QVERIFY(!view.cell(VariationsView::kCentre)->pixmap().isNull());
    QVERIFY(pictures >= 5);
  }
};

VERMORA_WINDOW_TEST_MAIN(VariationsViewTest)
#include "variations_view_test.moc"
