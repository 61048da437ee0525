// The 3-D view's colours against POV-Ray's picture of each example creature,
// both at 160x120 through the scene's camera.
#include "view_colour.h"

#include <gtest/gtest.h>

#include <QtGui>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "compose/composer.h"
#include "model_picture.h"
#include "params/settings_file.h"
#include "support/test_support.h"

namespace vermora::test {
namespace {

std::vector<std::string> ExampleNames() {
  std::vector<std::string> names;
  std::ifstream list(std::string(VERMORA_DATA_DIR) + "/examples/examples.txt");
  for (std::string line; std::getline(list, line);) {
    if (!line.empty()) names.push_back(line.substr(0, line.find('|')));
  }
  return names;
}

struct Pictures {
  QImage drawn, alone;  // with the surroundings, and without
  Picture povray;
};

Pictures Draw(const std::string& name) {
  ParameterSet set;
  EXPECT_TRUE(LoadSettings(std::string(VERMORA_DATA_DIR) + "/examples/" + name + ".vmx", set).ok());
  set.SetText("edImageW", "160");
  set.SetText("edImageH", "120");
  const ComposeResult composed = ComposeAtFixedClock(set);
  app::BuiltModel built{std::make_shared<SceneModel>(ReadSceneModel(composed.scene)), 160.0 / 120.0,
                        0};
  EXPECT_TRUE(built.model->error.empty()) << built.model->error;
  const Rendered povray = RenderScene(composed.scene, "160", "120");
  EXPECT_TRUE(povray.outcome.ok()) << povray.outcome.failure;
  QString error;
  Pictures p{app::DrawModelPicture(built, QSize(160, 120), &error),
             app::DrawModelPicture(built, QSize(160, 120), &error, false), povray.picture};
  EXPECT_FALSE(p.drawn.isNull()) << error.toStdString();
  return p;
}

// The colour difference over the pixels the view gives the creature: their median.
double CreatureDeltaE(const std::string& name) {
  const auto [drawn, alone, povray] = Draw(name);
  if (drawn.isNull() || povray.pixels.size() != 160u * 120u) return 1e9;
  if (const char* folder = std::getenv("VERMORA_COLOUR_PICTURES")) {  // to look at them
    QImage both(320, 120, QImage::Format_RGB32);
    for (int y = 0; y < 120; ++y) {
      for (int x = 0; x < 160; ++x) {
        both.setPixel(x, y, drawn.pixel(x, y));
        both.setPixel(160 + x, y, povray.at(x, y));
      }
    }
    both.save(QString("%1/%2.png").arg(folder, QString::fromStdString(name)));
  }
  std::vector<double> differences;
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 160; ++x) {
      const QRgb a = alone.pixel(x, y);
      if (qRed(a) + qGreen(a) + qBlue(a) <= 24) continue;  // no creature here
      differences.push_back(DeltaE76(drawn.pixel(x, y), povray.at(x, y)));
    }
  }
  EXPECT_GE(differences.size(), 30u) << name << ": the view shows no creature";
  return Median(differences);
}

// The most each may differ: 12, a difference a designer sees but that keeps
// the colours and finish; more where the view cannot follow POV-Ray's own
// noise (thin turbulent bands a pixel off) or its random numbers (the spores
// drift elsewhere).
double Allowed(const std::string& name) {
  if (name == "peacock-plume") return 18;
  if (name == "star-spores") return 20;
  return 12;
}

TEST(ViewColourTest, ExamplesLookAsPovrayRendersThem) {
  std::vector<double> all;
  for (const std::string& name : ExampleNames()) {
    const double difference = CreatureDeltaE(name);
    std::printf("colour difference %-18s %5.1f\n", name.c_str(), difference);
    RecordProperty("delta_e_" + name, std::to_string(difference));
    EXPECT_LE(difference, Allowed(name)) << name;
    all.push_back(difference);
  }
  ASSERT_EQ(all.size(), 15u);
  std::printf("colour difference %-18s %5.1f\n", "median of all", Median(all));
  EXPECT_LE(Median(all), 8);
}

// The sky above the sea and the sea below it, as POV-Ray draws them; black
// with the surroundings off.
TEST(ViewColourTest, SkyAndSeaStandBehindTheCreature) {
  const auto [drawn, alone, povray] = Draw("golden-knot");
  ASSERT_FALSE(drawn.isNull());
  for (const QPoint at : {QPoint(4, 4), QPoint(155, 30), QPoint(4, 110)}) {
    EXPECT_LT(DeltaE76(drawn.pixel(at), povray.at(at.x(), at.y())), 20) << at.x() << "," << at.y();
    EXPECT_EQ(alone.pixel(at), qRgb(0, 0, 0));
  }
}

}  // namespace
}  // namespace vermora::test
