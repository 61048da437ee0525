// The 3-D view against POV-Ray's own pictures, and in the window. Runs on a real
// display with OpenGL (CTest starts it under xvfb-run with Mesa's software GL).
#include "creature_view.h"

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <set>

#include "common/random.h"
#include "compose/composer.h"
#include "fake_prompts.h"
#include "main_window.h"
#include "model_picture.h"
#include "picture_pane.h"
#include "preview_picture.h"
#include "support/creatures.h"
#include "variations_view.h"

namespace vermora::test {
namespace {

using app::BuiltModel;

// The pixels that show the creature against the black ground.
std::vector<bool> Silhouette(const std::vector<std::uint32_t>& pixels) {
  std::vector<bool> in;
  for (std::uint32_t c : pixels)
    in.push_back(((c >> 16) & 255) + ((c >> 8) & 255) + (c & 255) > 24);
  return in;
}

std::vector<std::uint32_t> Pixels(const QImage& image) {
  std::vector<std::uint32_t> p;
  for (int i = 0; i < image.width() * image.height(); ++i)
    p.push_back(image.pixel(i % image.width(), i / image.width()));
  return p;
}

double IntersectionOverUnion(const std::vector<bool>& a, const std::vector<bool>& b) {
  int both = 0, either = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    both += a[i] && b[i];
    either += a[i] || b[i];
  }
  return either ? double(both) / either : 0;
}

struct Case {
  const char* name;
  std::function<ParameterSet()> make;
};

ParameterSet Near(ParameterSet set) {
  set.SetText("edCamLocZ", "-15");
  return set;
}

const Case kCases[] = {
    {"Default", [] { return ParameterSet{}; }},
    {"Spiral", [] { return Near(Alone(kSpiral)); }},
    {"Curl", [] { return Near(Alone(kCurl)); }},
    {"Double", [] { return Near(Alone(kDouble)); }},
    {"Predef", [] { return Near(Alone(kPredef)); }},
    {"WormPredef", [] { return Near(Alone(kWormPredef)); }},
    {"Form", [] { return Near(Alone(kForm)); }},
    {"TwoD", [] { return Near(Alone(kTwoD)); }},
    {"Torus",
     [] {
       return With(Alone(kTorus), {}, {{"edCamLocZ", "-6"}, {"edTorRad", "0.3"}});
     }},
    {"Fan", [] { return Near(OnlyThing("ChkFanOn")); }},
    {"Trilobyt", [] { return Near(OnlyThing("ChkTrilobyt")); }},
    {"Anemone", [] { return Near(OnlyThing("ChkAnemoneOn")); }},
    {"Cluster", [] { return Near(OnlyThing("ChkClusterOn")); }},
    {"Horn", [] { return Near(OnlyThing("chkHornOn")); }},
    {"Hull", [] { return Near(OnlyThing("chkHullOn")); }},
};

class SilhouetteTest : public ::testing::TestWithParam<Case> {};

// The same scene text through POV-Ray and through the 3-D view, 160x120: the
// creature covers the same pixels.
TEST_P(SilhouetteTest, AgreesWithPovray) {
  ParameterSet set = GetParam().make();
  set.SetText("edImageW", "160");
  set.SetText("edImageH", "120");
  const ComposeResult composed = ComposeAtFixedClock(set);
  BuiltModel built{
      std::make_shared<SceneModel>(ReadSceneModel(composed.scene, &app::ModelIncludes())),
      160.0 / 120.0, 0, nullptr};
  ASSERT_TRUE(built.model->error.empty()) << built.model->error;
  EXPECT_EQ(built.model->stand_ins, 0);
  const Rendered povray = RenderScene(composed.scene, "160", "120");
  ASSERT_TRUE(povray.outcome.ok()) << povray.outcome.failure;
  QString error;
  const QImage drawn = app::DrawModelPicture(built, QSize(160, 120), &error);
  ASSERT_FALSE(drawn.isNull()) << error.toStdString();
  const std::vector<bool> traced = Silhouette(povray.picture.pixels),
                          modelled = Silhouette(Pixels(drawn));
  ASSERT_GE(std::count(traced.begin(), traced.end(), true), 30) << "POV-Ray's creature is missing";
  const double agreement = IntersectionOverUnion(traced, modelled);
  RecordProperty("silhouette_iou", std::to_string(agreement));
  EXPECT_GE(agreement, 0.8);
}

INSTANTIATE_TEST_SUITE_P(Creatures, SilhouetteTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Waits, with the event loop running, until `done` holds; the two minutes only end a hang.
bool Eventually(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 120000) QTest::qWait(5);
  return done();
}

TEST(CreatureViewWindowTest, FollowsEditsOrbitsAndTellsWhatItCannotRead) {
  app::test::FakePrompts prompts;
  const std::string folder = MakeTempFolder();
  app::WindowSetup setup{folder, {VERMORA_DATA_DIR}, &prompts, nullptr};
  app::MainWindow w(setup);
  w.findChild<QAction*>("AutoRender")->setChecked(false);  // POV-Ray's messages would cover ours
  w.resize(1200, 900);
  w.show();
  auto* pane = w.findChild<app::PicturePane*>();
  ASSERT_NE(pane, nullptr);
  pane->SetMode(app::PicturePane::kModel);
  app::CreatureView* view = pane->view();
  ASSERT_NE(view, nullptr) << "no OpenGL on this display";
  auto instances = [&] { return view->shown().model ? view->shown().model->instances.size() : 0u; };
  ASSERT_TRUE(Eventually([&] { return instances() == 240 && view->frames_drawn() > 0; }));
  // An edit is drawn without F5: twelve fewer segments on each of the eight arms.
  auto* segments = w.findChild<QLineEdit*>("EdNumber");
  segments->selectAll();
  QTest::keyClicks(segments, "18");
  EXPECT_TRUE(Eventually([&] { return instances() == 8 * 18 + 0u || instances() == 144u; }))
      << instances();
  // Turning the view changes the picture; Home brings back the scene's camera.
  ASSERT_TRUE(Eventually([&] { return !pane->builder()->busy(); }));
  QCoreApplication::sendPostedEvents();
  // The first picture of a model comes at once, its shadows in the frame after.
  EXPECT_TRUE(Eventually([&] { return view->settled(); }));
  const QImage before = view->grabFramebuffer();
  view->Orbit(90, 0);
  EXPECT_NE(view->grabFramebuffer(), before);
  view->setFocus();
  QTest::keyClick(view, Qt::Key_Home);
  EXPECT_EQ(view->grabFramebuffer(), before);
  // A scene text the model cannot read is said on the status bar; the rest stays.
  auto* segment = w.findChild<QLineEdit*>("edJSegm");
  segment->selectAll();
  QTest::keyClicks(segment, "object {MyOwnThing}");
  EXPECT_TRUE(Eventually([&] { return w.statusBar()->currentMessage().startsWith("3-D view: "); }))
      << w.statusBar()->currentMessage().toStdString();
  EXPECT_GT(view->shown().model->stand_ins, 0);
  EXPECT_EQ(w.findChild<QAction*>("Render")->isEnabled(), true);  // F5 is never blocked
  // So is a background picture that is not there; its plane is drawn grey.
  w.findChild<QCheckBox*>("chkBGOn")->setChecked(true);
  auto* picture = w.findChild<QLineEdit*>("edBGName");
  picture->selectAll();
  QTest::keyClicks(picture, "/nowhere/sky.png");
  EXPECT_TRUE(Eventually([&] {
    return w.statusBar()->currentMessage() ==
           "3-D view: the picture /nowhere/sky.png cannot be read; its plane shows grey";
  })) << w.statusBar()->currentMessage().toStdString();
}

// The variants show in 3-D before POV-Ray's pictures come, whatever the renderer.
TEST(CreatureViewWindowTest, VariantsAreDrawnBeforeTheyAreRendered) {
  app::test::FakePrompts prompts;
  app::WindowSetup setup{MakeTempFolder(), {VERMORA_DATA_DIR}, &prompts, nullptr};
  app::MainWindow w(setup);
  app::VariationsView view(w);
  std::set<int> drawn;
  QObject::connect(&view, &app::VariationsView::ModelDrawn, [&](int cell) { drawn.insert(cell); });
  ASSERT_TRUE(view.Produce(7));
  EXPECT_TRUE(Eventually([&] { return drawn.size() + view.finished() >= 9u; }));
  EXPECT_FALSE(drawn.empty());
  for (int cell : drawn) EXPECT_FALSE(view.cell(cell)->pixmap().isNull()) << cell;
}

}  // namespace
}  // namespace vermora::test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // A settings store of its own: neither the user's nor another run's renderer path.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
