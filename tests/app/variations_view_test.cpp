#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <set>

#include "fake_prompts.h"
#include "window_test_main.h"
#include "main_window.h"
#include "params/settings_file.h"
#include "variations_view.h"

using namespace vermora;
using namespace vermora::app;
using vermora::app::test::FakePrompts;

class VariationsViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  FakePrompts prompts_;

  std::unique_ptr<MainWindow> NewWindow() {
    return std::make_unique<MainWindow>(TestSetup(dir_->path() + "/home/", &prompts_));
  }

 private slots:
  void init() { dir_ = std::make_unique<QTemporaryDir>(); }

  void gridMakesDistinctSeededSetsAndClickAdopts() {
    auto window = NewWindow();
    VariationsView view(window.get());
    view.SetThumbnailSize(32, 24);
    QVERIFY(view.Produce(7, 3, 3));
    QCOMPARE(view.variants().size(), size_t{9});
    std::set<std::string> texts;
    for (const ParameterSet& set : view.variants()) texts.insert(SettingsText(set));
    QCOMPARE(texts.size(), size_t{9});
    const std::string third = SettingsText(view.variants()[2]);
    VariationsView again(window.get());
    QVERIFY(again.Produce(7, 3, 3));
    QCOMPARE(SettingsText(again.variants()[2]), third);
    again.CancelAll();
    view.CancelAll();
    QTest::mouseClick(view.slot(2), Qt::LeftButton);
    QCOMPARE(SettingsText(window->set()), third);
    QVERIFY(window->modified());
  }

  void cancelStopsEveryRender() {
    auto window = NewWindow();
    VariationsView view(window.get());
    view.SetThumbnailSize(32, 24);
    QVERIFY(view.Produce(3, 2, 2));
    view.CancelAll();
    QTRY_COMPARE_WITH_TIMEOUT(view.finished(), 4, 5000);
    QCOMPARE(view.running(), 0);
  }

  void missingRendererMarksEverySlotFailed() {
    QSettings(kSettingsOrg, kSettingsApp).setValue(kPovrayPathKey, "/no/such/povray");
    auto window = NewWindow();
    VariationsView view(window.get());
    view.SetThumbnailSize(32, 24);
    QSignalSpy done(&view, &VariationsView::AllDone);
    QVERIFY(view.Produce(5, 1, 2));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
    QCOMPARE(view.slot(1)->text(), QString("Failed"));
    QVERIFY(view.slot(1)->toolTip().contains("/no/such/povray"));
  }

  void realRenderFillsEveryThumbnail() {
    if (!QFileInfo::exists("/usr/bin/povray")) QSKIP("no renderer");
    QSettings(kSettingsOrg, kSettingsApp).setValue(kPovrayPathKey, "/usr/bin/povray");
    auto window = NewWindow();
    VariationsView view(window.get());
    view.SetThumbnailSize(32, 24);
    QSignalSpy done(&view, &VariationsView::AllDone);
    QVERIFY(view.Produce(11, 2, 2));
    QVERIFY(done.wait(20000) || done.count() == 1);
    for (int i = 0; i < 4; ++i) {
      QVERIFY2(!view.slot(i)->icon().isNull(), qPrintable(view.slot(i)->toolTip()));
    }
  }
};

VERMORA_WINDOW_TEST_MAIN(VariationsViewTest)
#include "variations_view_test.moc"
