#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <tuple>
#include <vector>

#include "common/fixed.h"
#include "params/param_table.h"
#include "support/creatures.h"
#include "support/started_texture.h"
#include "texture/colour_map_edit.h"
#include "texture/colour_rows.h"
#include "texture/named_colours.h"
#include "texture/randomizers.h"
#include "texture/texture_assign.h"
#include "texture/texture_builder.h"
#include "texture/texture_page.h"
#include "texture/texture_start.h"

namespace vermora {
namespace {

constexpr int kWhite = 16777215;

using test::Started;

Grid Rows(std::initializer_list<std::initializer_list<const char*>> rows) {
  Grid grid{static_cast<int>(rows.size()), 4, {}};
  for (const auto& row : rows) {
    for (const char* cell : row) grid.cells.emplace_back(cell);
  }
  return grid;
}

// The 125 named colours in list order, as the colour lists name them.
const std::pair<const char*, Rgb> kNamed[] = {
    {"Red", {255, 0, 0}},
    {"Green", {0, 255, 0}},
    {"Blue", {0, 0, 255}},
    {"Yellow", {255, 255, 0}},
    {"Cyan", {0, 255, 255}},
    {"Magenta", {255, 0, 255}},
    {"White", {255, 255, 255}},
    {"Black", {0, 0, 0}},
    {"DimGray", {84, 84, 84}},
    {"Gray", {192, 192, 192}},
    {"LightGray", {168, 168, 168}},
    {"Apricot", {255, 84, 84}},
    {"Aquamarine", {112, 219, 147}},
    {"Banana", {227, 207, 87}},
    {"BlueViolet", {159, 95, 159}},
    {"Brown", {165, 42, 42}},
    {"Burnt_orange", {255, 102, 0}},
    {"Burnt_sienna", {204, 84, 0}},
    {"Burnt_umber", {138, 51, 36}},
    {"CadetBlue", {95, 159, 159}},
    {"Cerulean_blue", {5, 184, 204}},
    {"Coral", {255, 127, 0}},
    {"CornflowerBlue", {66, 66, 111}},
    {"DarkGreen", {47, 79, 47}},
    {"DarkOliveGreen", {79, 79, 47}},
    {"DarkOrchid", {153, 50, 204}},
    {"DarkSlateBlue", {107, 35, 142}},
    {"DarkSlateGray", {47, 79, 79}},
    {"DarkSlateGrey", {47, 79, 79}},
    {"DarkTurquoise", {112, 147, 219}},
    {"Eggshell", {252, 230, 201}},
    {"Firebrick", {142, 35, 35}},
    {"ForestGreen", {35, 142, 35}},
    {"Gold", {204, 127, 50}},
    {"Goldenrod", {219, 219, 112}},
    {"GreenYellow", {147, 219, 112}},
    {"IndianRed", {79, 47, 47}},
    {"Khaki", {159, 159, 95}},
    {"Lavender", {204, 135, 204}},
    {"LightBlue", {191, 216, 216}},
    {"LightSteelBlue", {143, 143, 188}},
    {"LimeGreen", {50, 204, 50}},
    {"Maroon", {142, 35, 107}},
    {"MediumAquamarine", {50, 204, 153}},
    {"MediumBlue", {50, 50, 204}},
    {"MediumForestGreen", {107, 142, 35}},
    {"MediumGoldenrod", {234, 234, 173}},
    {"MediumOrchid", {147, 112, 219}},
    {"MediumSeaGreen", {66, 111, 66}},
    {"MediumSlateBlue", {127, 0, 255}},
    {"MediumSpringGreen", {127, 255, 0}},
    {"MediumTurquoise", {112, 219, 219}},
    {"MediumVioletRed", {219, 112, 147}},
    {"Melon", {255, 120, 102}},
    {"MidnightBlue", {47, 47, 79}},
    {"Navy", {35, 35, 142}},
    {"NavyBlue", {35, 35, 142}},
    {"Ochre_deep", {115, 61, 26}},
    {"Ochre_flesh", {255, 87, 33}},
    {"Ochre_gold", {199, 120, 38}},
    {"Olive_green", {135, 120, 0}},
    {"Orange", {255, 128, 0}},
    {"OrangeRed", {255, 64, 0}},
    {"Orchid", {219, 112, 219}},
    {"PaleGreen", {143, 188, 143}},
    {"Peach", {255, 153, 102}},
    {"Pink", {188, 143, 143}},
    {"Plum", {234, 173, 234}},
    {"Raw_sienna", {153, 102, 18}},
    {"Raw_umber", {120, 69, 0}},
    {"Salmon", {111, 66, 66}},
    {"SeaGreen", {35, 142, 107}},
    {"Sepia", {120, 69, 0}},
    {"Sienna", {142, 107, 35}},
    {"SkyBlue", {50, 153, 204}},
    {"SlateBlue", {0, 127, 255}},
    {"SpringGreen", {0, 255, 127}},
    {"SteelBlue", {35, 107, 142}},
    {"Tan", {219, 147, 112}},
    {"Thistle", {216, 191, 216}},
    {"Turquoise", {173, 234, 234}},
    {"Violet", {79, 47, 79}},
    {"VioletRed", {204, 50, 153}},
    {"Wheat", {216, 216, 191}},
    {"YellowGreen", {153, 204, 50}},
    {"SummerSky", {56, 176, 222}},
    {"RichBlue", {89, 89, 171}},
    {"Brass", {181, 166, 66}},
    {"Copper", {184, 115, 51}},
    {"Bronze", {140, 120, 36}},
    {"Bronze2", {166, 125, 61}},
    {"Silver", {230, 232, 250}},
    {"BrightGold", {217, 217, 26}},
    {"OldGold", {207, 181, 59}},
    {"Feldspar", {209, 145, 117}},
    {"Quartz", {217, 217, 242}},
    {"Mica", {0, 0, 0}},
    {"NeonPink", {255, 110, 199}},
    {"DarkPurple", {135, 31, 120}},
    {"NeonBlue", {76, 76, 255}},
    {"CoolCopper", {217, 135, 26}},
    {"MandarinOrange", {227, 120, 51}},
    {"LightWood", {232, 194, 166}},
    {"MediumWood", {166, 128, 99}},
    {"DarkWood", {133, 94, 66}},
    {"SpicyPink", {255, 28, 173}},
    {"SemiSweetChoc", {107, 66, 38}},
    {"BakersChoc", {92, 51, 23}},
    {"Flesh", {245, 204, 176}},
    {"NewTan", {235, 199, 158}},
    {"NewMidnightBlue", {0, 0, 156}},
    {"VeryDarkBrown", {89, 41, 36}},
    {"DarkBrown", {92, 64, 51}},
    {"DarkTan", {150, 105, 79}},
    {"GreenCopper", {82, 125, 117}},
    {"DkGreenCopper", {74, 117, 110}},
    {"DustyRose", {133, 99, 99}},
    {"HuntersGreen", {33, 94, 79}},
    {"Scarlet", {140, 23, 23}},
    {"Med_Purple", {186, 41, 245}},
    {"Light_Purple", {222, 148, 250}},
    {"Very_Light_Purple", {240, 207, 252}},
    {"Silver", {120, 120, 120}},
    {"Mahogany", {186, 69, 0}},
    {"Maize", {237, 153, 0}},
};

TEST(NamedColourTest, TableValuesAndItems) {
  const auto table = NamedColourTable();
  ASSERT_EQ(table.size(), std::size(kNamed));
  for (size_t i = 0; i < table.size(); ++i) {
    // The display blanks after a name are the list's own.
    EXPECT_EQ(table[i].name.substr(0, table[i].name.find_last_not_of(' ') + 1), kNamed[i].first)
        << i;
    EXPECT_EQ(table[i].rgb, kNamed[i].second) << kNamed[i].first;
  }
  for (const auto& [at, name] : {std::pair{30, "Eggshell  "},
                                 {8, "DimGray   "},
                                 {9, "Gray      "},
                                 {91, "Silver    "},
                                 {122, "Silver"}}) {
    EXPECT_EQ(table[at].name, name);
    EXPECT_EQ(FindNamedColour(name), at) << name;
  }
  for (const auto& [name, at] :
       {std::pair{"silver", 122}, {"SILVER    ", 91}, {"Silver ", -1}, {"Custom Color", -1}})
    EXPECT_EQ(FindNamedColour(name), at) << name;
  const auto items = ColourListItems();
  ASSERT_EQ(items.size(), 126u);
  EXPECT_EQ(items[125], "Custom Color");
  // The window's lists are generated from the parameter table's items.
  ParameterSet set;
  EXPECT_EQ(set.def(set.Find("cbColor2")).items.substr(0, 10), "Red|Green|");
  EXPECT_EQ(ComponentText(84) + " " + ComponentText(255) + " " + ComponentText(0),
            "0.3294 1.0000 0.0000");
  EXPECT_EQ(PackRgb(UnpackRgb(-1)), kWhite);
}

TEST(ColourRowsTest, StartValues) {
  Started s;
  for (int k = 1; k <= 3; ++k) {
    const std::string row = std::to_string(k);
    EXPECT_EQ(s.set.Index(ColourListName(k)), 30);
    EXPECT_EQ(s.set.Text("editRed" + row) + " " + s.set.Text("editGreen" + row) + " " +
                  s.set.Text("editBlue" + row),
              "0.9882 0.9020 0.7882");
  }
  EXPECT_EQ(s.set.Index("cbColor4"), kCustomColourIndex);
  EXPECT_EQ(s.set.Tag("cbColor4"), kWhite);
  EXPECT_EQ(s.page.swatch[3], kWhite);
  EXPECT_EQ(s.page.position_label, "0.000");
  EXPECT_EQ(s.set.GridValue("sgColorMap"), StartColourMap());
  EXPECT_EQ(s.set.Index("cbPigmentType"), 0);
}

TEST(ColourRowsTest, ChangeRuleRefreshesAllRows) {
  Started s;
  s.set.SetText("editRed1", "typed");
  s.set.SetIndex("cbColor2", 0);
  ColourChange(s.set, s.page, "cbColor2");
  EXPECT_EQ(s.set.Text("editRed2") + " " + s.set.Text("editGreen2") + " " + s.set.Text("editBlue2"),
            "1.0000 0.0000 0.0000");
  EXPECT_EQ(s.set.Text("editRed1"), "0.9882");
  const ParameterSet before = s.set;
  ColourChange(s.set, s.page, "cbPigmentType");
  EXPECT_TRUE(s.set == before);
}

TEST(ColourRowsTest, DialogKeepsTheCustomColourInTheTag) {
  Started s;
  EXPECT_EQ(BeginChooseColour(s.set, s.page, 1), PackRgb({252, 230, 201}));
  ChooseColour(s.set, s.page, 1, 0x0000ff);
  EXPECT_EQ(s.set.Index("cbColor1"), kCustomColourIndex);
  EXPECT_EQ(s.set.Tag("cbColor1"), 0x0000ff);
  EXPECT_EQ(s.set.Text("editRed1"), "1.0000");
  s.set.SetIndex("cbColor1", 3);
  ColourChange(s.set, s.page, "cbColor1");
  s.set.SetIndex("cbColor1", kCustomColourIndex);
  ColourChange(s.set, s.page, "cbColor1");
  EXPECT_EQ(s.page.swatch[0], 0x0000ff);
}

TEST(ColourRowsTest, UpdateRoundsHalvesToEvenAndHoldsRange) {
  Started s;
  s.set.SetTag("cbColor3", 77);
  s.set.SetText("editRed3", "0.5");    // 127.5 -> 128
  s.set.SetText("editGreen3", "1.7");  // beyond 1: held at 255
  s.set.SetText("editBlue3", "1,5");
  UpdateColourRow(s.set, s.page, 3, s.diagnostics);
  EXPECT_EQ(UnpackRgb(s.page.swatch[2]), (Rgb{128, 255, 0}));
  EXPECT_EQ(s.set.Index("cbColor3"), kCustomColourIndex);
  EXPECT_EQ(s.set.Tag("cbColor3"), 77);
  ASSERT_EQ(s.diagnostics.warnings.size(), 1u);
  EXPECT_EQ(s.diagnostics.warnings[0], "1,5 ... is not valid");
}

TEST(ColourMapEditTest, PositionRuleLabelAndEntry) {
  Started s;
  ASSERT_TRUE(MoveSlider(s.set, s.page, 123, s.diagnostics).ok());
  EXPECT_EQ(s.page.position_label, "0.120");
  ASSERT_TRUE(MoveSlider(s.set, s.page, 5, s.diagnostics).ok());
  EXPECT_EQ(s.page.position_label, "0.005");
  s.set.SetGrid("sgColorMap", Rows({{"0.000", "16777215", "0", "0"},
                                    {"0.500", "Navy      ", "0.3", "0.4"},
                                    {"1.000", "0", "0", "0"}}));
  ASSERT_TRUE(MoveSlider(s.set, s.page, 700, s.diagnostics).ok());
  EXPECT_EQ(s.set.Index("cbColor4"), 55);
  EXPECT_EQ(s.page.swatch[3], PackRgb({35, 35, 142}));
  EXPECT_EQ(s.set.Text("editFilter4"), "0.3");
  EXPECT_EQ(s.set.Text("editTransmit4"), "0.4");
  ASSERT_TRUE(MoveSlider(s.set, s.page, 1000, s.diagnostics).ok());
  EXPECT_EQ(s.page.position_label, "1.000");
  EXPECT_EQ(s.set.Tag("cbColor4"), 0);
  s.set.SetGrid("sgColorMap", Rows({{"0.2", "0", "0", "0"}, {"1", "0", "0", "0"}}));
  EXPECT_EQ(MoveSlider(s.set, s.page, 100, s.diagnostics).message(), "Could not find position!");
  s.set.SetGrid("sgColorMap", Rows({{"0", "whyte", "0", "0"}, {"1", "0", "0", "0"}}));
  EXPECT_EQ(MoveSlider(s.set, s.page, 0, s.diagnostics).message(),
            "'whyte' is not a valid integer value");
}

TEST(ColourMapEditTest, AddAndDeleteAtTheMiddleAndTheEnds) {
  Started s;
  ASSERT_TRUE(MoveSlider(s.set, s.page, 500, s.diagnostics).ok());
  EXPECT_EQ(s.page.swatch[3], kWhite);  // the entry at 0 reaches to 0.5
  ASSERT_TRUE(AddColour(s.set, s.page, s.diagnostics).ok());
  EXPECT_EQ(s.set.GridValue("sgColorMap"), Rows({{"0.000", "16777215", "0", "0"},
                                                 {"0.500", "16777215", "0", "0"},
                                                 {"1.000", "0", "0", "0"}}));
  ASSERT_TRUE(DeleteColour(s.set, s.page, s.diagnostics).ok());
  EXPECT_EQ(s.set.GridValue("sgColorMap"), StartColourMap());
  // At the ends an add replaces the colour; the ends are never deleted.
  s.page.swatch[3] = 255;
  ASSERT_TRUE(MoveSlider(s.set, s.page, 0, s.diagnostics).ok());
  s.page.swatch[3] = 255;
  ASSERT_TRUE(AddColour(s.set, s.page, s.diagnostics).ok());
  ASSERT_TRUE(MoveSlider(s.set, s.page, 1000, s.diagnostics).ok());
  s.page.swatch[3] = 65280;
  ASSERT_TRUE(AddColour(s.set, s.page, s.diagnostics).ok());
  EXPECT_EQ(s.set.GridValue("sgColorMap"),
            Rows({{"0.000", "255", "0", "0"}, {"1.000", "65280", "0", "0"}}));
  EXPECT_EQ(DeleteColour(s.set, s.page, s.diagnostics).message(),
            "Cannot have less than 2 colors in color map.");
  // An inserted entry keeps the filter and transmit of the one after it.
  s.set.SetGrid(
      "sgColorMap",
      Rows({{"0.000", "1", "0", "0"}, {"0.500", "2", "0.1", "0.2"}, {"1.000", "3", "0", "0"}}));
  ASSERT_TRUE(MoveSlider(s.set, s.page, 123, s.diagnostics).ok());
  ASSERT_TRUE(AddColour(s.set, s.page, s.diagnostics).ok());
  EXPECT_EQ(s.set.GridValue("sgColorMap"), Rows({{"0.000", "1", "0", "0"},
                                                 {"0.120", "1", "0.1", "0.2"},
                                                 {"0.500", "2", "0.1", "0.2"},
                                                 {"1.000", "3", "0", "0"}}));
  // Delete takes the entry at or before the slider; at 1 there is none to take.
  ASSERT_TRUE(MoveSlider(s.set, s.page, 1000, s.diagnostics).ok());
  const Grid kept = s.set.GridValue("sgColorMap");
  EXPECT_EQ(DeleteColour(s.set, s.page, s.diagnostics).message(),
            "Not a valid color position.  Cannot delete.");
  ASSERT_TRUE(MoveSlider(s.set, s.page, 50, s.diagnostics).ok());
  EXPECT_EQ(DeleteColour(s.set, s.page, s.diagnostics).message(),
            "Not a valid color position.  Cannot delete.");
  EXPECT_EQ(s.set.GridValue("sgColorMap"), kept);
  ASSERT_TRUE(MoveSlider(s.set, s.page, 600, s.diagnostics).ok());
  ASSERT_TRUE(DeleteColour(s.set, s.page, s.diagnostics).ok());
  EXPECT_EQ(s.set.GridValue("sgColorMap").cell(0, 2), "1.000");
  EXPECT_TRUE(s.diagnostics.warnings.empty());
}

TEST(ColourMapEditTest, AddStopsAtTheLargestMapPovRayTakes) {
  Started s;
  Grid full{256, 4, {}};
  for (int i = 0; i < 256; ++i)
    full.cells.insert(full.cells.end(), {i == 255 ? "1.000" : "0.000", "0", "0", "0"});
  full.cells[4] = "0.001";
  s.set.SetGrid("sgColorMap", full);
  ASSERT_TRUE(MoveSlider(s.set, s.page, 500, s.diagnostics).ok());
  EXPECT_EQ(AddColour(s.set, s.page, s.diagnostics).message(),
            "A color map holds at most 256 colors.");
  EXPECT_EQ(s.set.GridValue("sgColorMap"), full);
}

TEST(ColourMapEditTest, DefaultMapAndStrip) {
  Started s;
  s.set.SetGrid("sgColorMap",
                Rows({{"0", "1", "0", "0"}, {"1", "2", "0", "0"}, {"1", "3", "0", "0"}}));
  s.page.position = 400;
  s.page.position_label = "0.400";
  s.page.swatch[3] = 5;
  DefaultColourMap(s.set, s.page);
  EXPECT_EQ(s.set.GridValue("sgColorMap"), StartColourMap());
  EXPECT_EQ(s.page.position, 0);
  EXPECT_EQ(s.page.swatch[3], kWhite);
  EXPECT_EQ(s.page.position_label, "0.000");
  s.set.SetIndex("cbPigmentType", 7);
  std::string text;
  ASSERT_TRUE(BuildTexture(s.set, text).ok());
  EXPECT_NE(
      text.find(
          "[0.000 color rgb <1.000, 1.000, 1.000 > ] [1.000 color rgb <0.000, 0.000, 0.000 > ]"),
      std::string::npos);
  std::vector<int> strip;
  ASSERT_TRUE(ColourMapStrip(StartColourMap(), 4, strip, s.diagnostics).ok());
  // 255 * (4 - x) / 4: 255, 191.25, 127.5 (to even: 128), 63.75.
  EXPECT_EQ(strip, (std::vector<int>{kWhite, PackRgb({191, 191, 191}), PackRgb({128, 128, 128}),
                                     PackRgb({64, 64, 64})}));
  ASSERT_TRUE(ColourMapStrip(Rows({{"0.5", "Red", "0", "0"}, {"9e9", "0", "0", "0"}}), 4, strip,
                             s.diagnostics)
                  .ok());
  EXPECT_EQ(strip[0], -1);
  EXPECT_EQ(strip[2], PackRgb({255, 0, 0}));
  EXPECT_EQ(
      ColourMapStrip(Rows({{"0", "x", "0", "0"}, {"1", "0", "0", "0"}}), 4, strip, s.diagnostics)
          .message(),
      "'x' is not a valid integer value");
}

TEST(TextureRandomTest, SolidDrawsOneColourFromTheClockSeed) {
  Started s;
  s.set.SetTag("cbColor1", 42);
  ASSERT_TRUE(RandomPigment(s.set, s.page, s.random, FixedClock(1234), s.diagnostics).ok());
  Random expected(1234);
  const int colour = static_cast<int>(std::floor(expected.Next() * 16777215 + 0.5));
  EXPECT_EQ(s.page.swatch[0], colour);
  const Rgb rgb = UnpackRgb(colour);
  EXPECT_EQ(s.set.Text("editRed1"), ComponentText(rgb.red));
  EXPECT_EQ(s.set.Text("editBlue1"), ComponentText(rgb.blue));
  EXPECT_EQ(s.set.Index("cbColor1"), kCustomColourIndex);
  EXPECT_EQ(s.set.Tag("cbColor1"), 42);
  EXPECT_EQ(s.set.Index("cbColor2"), 30);  // only the rows in use
  EXPECT_EQ(s.random.state(), expected.state());
}

TEST(TextureRandomTest, ImageMapChangesNothing) {
  Started s;
  s.set.SetIndex("cbPigmentType", 20);
  const ParameterSet before = s.set;
  ASSERT_TRUE(RandomPigment(s.set, s.page, s.random, FixedClock(5), s.diagnostics).ok());
  EXPECT_TRUE(s.set == before);
}

TEST(TextureRandomTest, PatternMapKeepsItsEndsAndGrowsByAtMostFour) {
  Started s;
  s.set.SetIndex("cbPigmentType", 9);
  int rows = 2;
  for (std::uint32_t seed = 1; seed < 40; ++seed) {
    ASSERT_TRUE(
        RandomPigment(s.set, s.page, s.random, FixedClock(seed * 7919), s.diagnostics).ok());
    const Grid& g = s.set.GridValue("sgColorMap");
    EXPECT_EQ(g.cell(0, 0), "0.000");
    EXPECT_EQ(g.cell(0, g.rows - 1), "1.000");
    EXPECT_GE(g.rows, rows);
    EXPECT_LE(g.rows, rows + 4);
    for (int r = 1; r < g.rows; ++r)
      EXPECT_LT(std::stof(g.cell(0, r - 1)), std::stof(g.cell(0, r)));
    rows = g.rows;
  }
  EXPECT_GT(rows, 20);
  // The map's draws (two ends, n = R x 4 entries of a position and a colour each),
  // then the four pattern fields.
  Started a;
  a.set.SetIndex("cbPigmentType", 15);
  ASSERT_TRUE(RandomPigment(a.set, a.page, a.random, FixedClock(86399999), a.diagnostics).ok());
  Random r(86399999);
  r.Next(), r.Next();
  const int n = static_cast<int>(std::floor(r.Next() * 4 + 0.5));
  for (int k = 0; k < 2 * n; ++k) r.Next();
  EXPECT_EQ(a.set.GridValue("sgColorMap").rows, 2 + n);
  for (const auto& [f, times] : {std::pair{"editTurbulence", 2.0},
                                 {"editLambda", 3.0},
                                 {"editOmega", 1.0},
                                 {"editOctaves", 10.0}})
    EXPECT_EQ(a.set.Text(f), Fixed(r.Next() * times, 3, 2)) << f;
  EXPECT_TRUE(a.diagnostics.warnings.empty());
}

// Each dice command reseeds from the clock and draws in a fixed order: replaying
// the draws with each field's multiplier gives every value it writes.
TEST(TextureRandomTest, NormalAndFinishFollowTheirDraws) {
  using Field = std::tuple<const char*, double, int, int>;  // name, multiplier, fixed(P,D)
  for (std::uint32_t seed : {0u, 777u, 31337u, 104729u, 86399999u}) {
    SCOPED_TRACE(seed);
    Started s;
    RandomNormal(s.set, s.random, FixedClock(seed));
    Random r(seed);
    // 0 "None" to 19 "Wrinkles": "Bump_map" (20) is never chosen.
    EXPECT_EQ(s.set.Index("cbNormalType"), static_cast<int>(std::floor(r.Next() * 19 + 0.5)));
    for (const auto& [name, times, p, d] :
         {Field{"editNormalDepth", 4, 3, 2}, Field{"editNTurbulence", 2, 3, 2},
          Field{"editNLambda", 3, 3, 2}, Field{"editNOmega", 1, 3, 2},
          Field{"editNOctaves", 10, 3, 2}}) {
      EXPECT_EQ(s.set.Text(name), Fixed(r.Next() * times, p, d)) << name;
    }
    s.set.SetOn("sbAmbient", true);
    RandomFinish(s.set, s.random, FixedClock(seed));
    r.Seed(seed);
    const std::pair<const char*, std::vector<Field>> toggles[] = {
        {"sbBrilliance", {{"editBrilliance", 5, 3, 2}}},
        {"sbPhong", {{"editPhong", 1, 3, 2}, {"editPhongS", 250, 3, 0}}},
        {"sbSpecular", {{"editSpecular", 1, 3, 2}}},
        {"sbRoughness", {{"editRoughness", 1, 3, 2}}},  // drawn only under a specular that is down
        {"sbMetallic", {}},
        {"sbReflection", {{"editReflection", 1, 3, 2}}},
        {"sbCrand", {{"editCrand", 0.5, 4, 3}}}};
    for (const auto& [toggle, fields] : toggles) {
      if (std::string(toggle) == "sbRoughness" && !s.set.On("sbSpecular")) {
        EXPECT_FALSE(s.set.On(toggle));  // up with the specular
        continue;
      }
      const bool down = r.Below(2) == 0;
      EXPECT_EQ(s.set.On(toggle), down) << toggle;
      if (!down) continue;
      for (const auto& [name, times, p, d] : fields)
        EXPECT_EQ(s.set.Text(name), Fixed(r.Next() * times, p, d)) << name;
    }
    EXPECT_TRUE(s.set.On("sbAmbient"));
    EXPECT_FALSE(s.set.On("sbDiffuse"));
    EXPECT_EQ(s.set.Text("editDiffuse"), "0.7");
  }
}

constexpr const char* kStartTexture =
    "texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}";

std::string Built(const ParameterSet& set) {
  std::string text;
  const Status s = BuildTexture(set, text);
  EXPECT_TRUE(s.ok()) << s.message();
  return text;
}

std::string Pigment(const ParameterSet& set) {
  std::string text;
  EXPECT_TRUE(PigmentPart(set, text).ok());
  return text;
}

TEST(TextureBuilderTest, StartStateGivesTheDefaultThingTexture) {
  ParameterSet set;
  set.SetText("EdThingTexture", "old");
  TexturePage page;
  ASSERT_TRUE(AssignTexture(set, page, "sbAssignThing").ok());
  EXPECT_EQ(set.Text("EdThingTexture"), kStartTexture);
  EXPECT_EQ(ParameterSet().Text("EdThingTexture"), kStartTexture);
  EXPECT_EQ(page.current_texture, kStartTexture);
}

TEST(TextureBuilderTest, SolidAndBlockPigmentsSeparateTheirColoursAsWritten) {
  ParameterSet set = test::With(ParameterSet(), {},
                                {{"editRed2", "1"},
                                 {"editGreen2", "0"},
                                 {"editBlue2", "0"},
                                 {"editFilter2", "0.5"},
                                 {"editRed3", "a"}});
  for (const auto& [type, pigment] :
       {std::pair{1, " brick color rgbf <0.9882,0.9020,0.7882,0> , color rgbf <1,0,0,0.5>}"},
        {2, " checker color rgbf <0.9882,0.9020,0.7882,0>, color rgbf <1,0,0,0.5>}"},
        {3,
         " hexagon color rgbf <0.9882,0.9020,0.7882,0> , color rgbf <1,0,0,0.5> , color rgbf "
         "<a,0.9020,0.7882,0>}"}}) {
    set.SetIndex("cbPigmentType", type);
    EXPECT_EQ(Pigment(set), pigment) << type;
  }
}

TEST(TextureBuilderTest, PatternPigmentsWriteTheColourMap) {
  ParameterSet set;
  set.SetIndex("cbPigmentType", 5);
  EXPECT_EQ(
      Pigment(set),
      " bozo  color_map {  [0.000 color rgb <1.000, 1.000, 1.000 > ] [1.000 color rgb <0.000, "
      "0.000, 0.000 > ]} turbulence 0 lambda 2 omega 0.5 octaves 3 frequency 1 phase 0 scale 1}");
  set.SetIndex("cbPigmentType", 4);
  set.SetText("editTurbulence", "0.3");
  EXPECT_EQ(
      Pigment(set),
      " agate agate_turb 0.3 color_map { [0.000 color rgb <1.000, 1.000, 1.000 > ] [1.000 color "
      "rgb <0.000, 0.000, 0.000 > ]} lambda 2 omega 0.5 octaves 3 frequency 1 phase 0 scale 1}");
}

TEST(TextureBuilderTest, ColourMapCellsNamesFilterAndTransmit) {
  ParameterSet set;
  set.SetIndex("cbPigmentType", 6);
  // 128 -> 0.500 (two significant digits), 200 -> 0.780, 10 -> 0.039.
  set.SetGrid("sgColorMap",
              Rows({{"0.000", "Red", "0.5", "0"},
                    {"0.4", "DimGray   ", "0", "0.2"},
                    {"1.000", std::to_string(128 + 256 * 200 + 65536 * 10).c_str(), "0", "0"}}));
  EXPECT_EQ(
      Pigment(set),
      " gradient x  color_map {  [0.000 color Red filter  0.5 ] [0.4 color DimGray    transmit  "
      "0.2 ] [1.000 color rgb <0.500, 0.780, 0.039 > ]} turbulence 0 lambda 2 omega 0.5 octaves 3 "
      "frequency 1 phase 0 scale 1}");
  // Names match without regard to case and are written as the cell holds them.
  set.SetGrid("sgColorMap", Grid{1, 4, {"0.5", "eggSHELL  ", "0", "0"}});
  EXPECT_EQ(Pigment(set).substr(0, 50), " gradient x  color_map {  [0.5 color eggSHELL   ]}");
}

TEST(TextureBuilderTest, ColourMapOddShapesStayValidOrFailWithAMessage) {
  ParameterSet set;
  set.SetIndex("cbPigmentType", 9);
  // One row, duplicate and out-of-range positions: POV-Ray takes these as they stand.
  set.SetGrid("sgColorMap",
              Rows({{"-0.5", "255", "0", "0"}, {"-0.5", "0", "0", "0"}, {"1.5", "0", "0", "0"}}));
  EXPECT_NE(Pigment(set).find("[-0.5 color rgb <1.000, 0.000, 0.000 > ] [-0.5 color"),
            std::string::npos);
  // A packed colour outside 24 bits keeps only its low 24 bits.
  set.SetGrid("sgColorMap", Grid{1, 4, {"0", "-1", "0", "0"}});
  EXPECT_NE(Pigment(set).find("[0 color rgb <1.000, 1.000, 1.000 > ]"), std::string::npos);
  // A grid from a file with only two columns: no filter, no transmit.
  set.SetGrid("sgColorMap", Grid{1, 2, {"0", "0"}});
  EXPECT_NE(Pigment(set).find("[0 color rgb <0.000, 0.000, 0.000 > ]}"), std::string::npos);
  std::string text = "kept";
  set.SetGrid("sgColorMap", Grid{0, 4, {}});
  EXPECT_EQ(BuildTexture(set, text).message(), "The color map holds no colors.");
  Grid big{257, 4, {}};
  for (int i = 0; i < 257; ++i) big.cells.insert(big.cells.end(), {"0.5", "0", "0", "0"});
  set.SetGrid("sgColorMap", big);
  EXPECT_EQ(BuildTexture(set, text).message(),
            "The color map holds 257 colors; POV-Ray takes at most 256.");
  set.SetGrid("sgColorMap", Grid{1, 1, {"0"}});
  EXPECT_EQ(BuildTexture(set, text).message(), "The color map grid has no color column.");
  set.SetGrid("sgColorMap", Grid{1, 4, {"0", "Custom Color", "0", "0"}});
  EXPECT_EQ(BuildTexture(set, text).message(), "'Custom Color' is not a valid integer value");
  EXPECT_EQ(text, "kept");
}

TEST(TextureBuilderTest, BadColourCellWritesNoFieldAndKeepsTheCurrentText) {
  ParameterSet set;
  TexturePage page;
  page.current_texture = "before";
  set.SetIndex("cbPigmentType", 12);
  set.SetGrid("sgColorMap", Rows({{"0", "Rood", "0", "0"}, {"1", "0", "0", "0"}}));
  const Status s = AssignTexture(set, page, "sbAssignBranch");
  EXPECT_EQ(s.message(), "'Rood' is not a valid integer value");
  EXPECT_EQ(page.current_texture, "before");
  EXPECT_EQ(set.Text("EdBranchTexture"), ParameterSet().Text("EdBranchTexture"));
  set.SetIndex("cbPigmentType", -1);
  EXPECT_EQ(AssignTexture(set, page, "sbAssignBranch").message(), "No pigment type is chosen.");
  set.SetIndex("cbPigmentType", kPigmentImageMap);  // and no picture named
  EXPECT_EQ(AssignTexture(set, page, "sbAssignBranch").message(),
            "The image map has no picture file: name one in edIMName (Textures/Pigment)");
}

TEST(TextureBuilderTest, ImageMapTypesAndProjection) {
  ParameterSet set = test::With(ParameterSet(), {}, {{"edIMName", "sky.png"}});
  set.SetIndex("cbPigmentType", 20);
  set.SetIndex("RadioGroup4", 1);
  EXPECT_EQ(
      Pigment(set),
      " image_map { png \"sky.png\" map_type 1 interpolate 2 } translate <-0.5, -0.5, 0> scale 1 "
      "}");
  set = test::With(set, {}, {{"edIMName", "a.gif.bmp"}, {"edIMTurb", "0.2"}, {"edIMScale", "3"}});
  set.SetIndex("RadioGroup4", -1);
  EXPECT_EQ(
      Pigment(set),
      " image_map { gif bmp \"a.gif.bmp\" interpolate 2 } turbulence 0.2 translate <-0.5, -0.5, "
      "0> scale 3 }");
  set.SetText("edIMName", "plain.PNG");
  EXPECT_EQ(Pigment(set).substr(0, 26), " image_map { \"plain.PNG\" i");
}

TEST(TextureBuilderTest, NormalTypes) {
  ParameterSet set;
  EXPECT_EQ(NormalPart(set, true), "");
  set.SetIndex("cbNormalType", 14);
  EXPECT_EQ(NormalPart(set, true),
            " normal { bumps 0.5 turbulence 0 lambda 2 omega 0.5 octaves 3 frequency 1 phase 0 "
            "scale 1 }");
  EXPECT_EQ(NormalPart(set, false).substr(0, 30), " normal { bumps   turbulence 0");
  set.SetIndex("cbNormalType", 20);
  set.SetText("edBMName", "bumps.tga");
  set.SetIndex("RadioGroup6", 2);
  EXPECT_EQ(NormalPart(set, false),
            " normal {bump_map { tga \"bumps.tga\" map_type 2 bump_size 0.5 interpolate 2 } "
            "translate <-0.5, -0.5, 0> scale 1 }");
  set.SetText("editNormalDepth", "");
  set.SetText("edBMTurb", "0.1");
  EXPECT_EQ(NormalPart(set, true),
            " normal {bump_map { tga \"bumps.tga\" map_type 2 interpolate 2 } turbulence 0.1 "
            "translate <-0.5, -0.5, 0> scale 1 }");
  set.SetIndex("cbNormalType", -1);
  EXPECT_EQ(NormalPart(set, true), "");
}

TEST(TextureBuilderTest, FinishToggles) {
  ParameterSet set;
  EXPECT_EQ(FinishPart(set), "");
  set.SetOn("sbPhong", true);
  EXPECT_EQ(FinishPart(set), " finish { phong 0.4 phong_size 60 }");
  set.SetOn("sbPhong", false);
  set.SetOn("sbRoughness", true);
  EXPECT_EQ(FinishPart(set), " finish { roughness 0.001 }");
  set = test::With(set, {"sbAmbient", "sbDiffuse", "sbBrilliance", "sbPhong", "sbSpecular",
                         "sbMetallic", "sbReflection", "sbCrand"});
  EXPECT_EQ(
      FinishPart(set),
      " finish { ambient rgb <0.1, 0.1, 0.1> diffuse 0.7 brilliance 2 phong 0.4 phong_size 60 "
      "specular 1 roughness 0.001 metallic  reflection rgb <0.3, 0.3, 0.3> crand 1 }");
}

// Every pigment type with every normal type beside it, all finish items on.
TEST(TextureBuilderTest, EveryTypeGolden) {
  ParameterSet set = test::With(ParameterSet(),
                                {"sbAmbient", "sbDiffuse", "sbBrilliance", "sbPhong", "sbSpecular",
                                 "sbRoughness", "sbMetallic", "sbReflection", "sbCrand"},
                                {{"edIMName", "pic.png"},
                                 {"edBMName", "bump.gif"},
                                 {"editTTScaleX", "2"},
                                 {"editTTRotateZ", "45"}});
  std::string all;
  for (int type = 0; type <= 20; ++type) {
    set.SetIndex("cbPigmentType", type);
    set.SetIndex("cbNormalType", type);
    all += Built(set) + "\n";
  }
  EXPECT_TRUE(test::MatchesGolden("texture_every_type.txt", all));
}

TEST(TextureAssignTest, EveryButtonFillsItsFields) {
  ParameterSet set = test::With(ParameterSet(), {}, {{"editTTScaleY", "7"}});
  TexturePage page;
  std::string expected;
  ASSERT_TRUE(BuildTexture(set, expected).ok());
  for (const AssignTarget& target : AssignTargets()) {
    ASSERT_GE(set.Find(target.field), 0) << target.field;
    ASSERT_TRUE(AssignTexture(set, page, target.button).ok());
    EXPECT_EQ(set.Text(target.field), expected) << target.button;
    if (!target.second_field.empty()) {
      EXPECT_EQ(set.Text(target.second_field), expected);
    }
  }
  EXPECT_EQ(AssignTargets().size(), 20u);
  ParameterSet fresh;
  ASSERT_TRUE(AssignTexture(fresh, page, "sbAssignTopHart").ok());
  EXPECT_EQ(fresh.Text("edTopHartTexture"), fresh.Text("edCTopHartT"));
  ASSERT_TRUE(AssignTexture(fresh, page, "sbAssignCoat").ok());
  EXPECT_EQ(fresh.Text("edCoatTex"), fresh.Text("edCHuskT"));
  // The export's build writes no field at all.
  ParameterSet other = test::With(ParameterSet(), {}, {{"editTTScaleY", "9"}});
  const ParameterSet before = other;
  ASSERT_TRUE(AssignTexture(other, page, "").ok());
  EXPECT_TRUE(other == before);
  EXPECT_NE(page.current_texture.find("scale <1,9,1>"), std::string::npos);
}

}  // namespace
}  // namespace vermora
