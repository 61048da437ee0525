#include <gtest/gtest.h>

#include "params/param_table.h"
#include "texture/colour_map_edit.h"
#include "texture/colour_rows.h"
#include "texture/named_colours.h"
#include "texture/texture_builder.h"
#include "texture/texture_start.h"

namespace vermora {
namespace {

constexpr int kWhite = 16777215;

struct Started {
  ParameterSet set;
  TexturePage page;
  Diagnostics diagnostics;
  Started() { EXPECT_TRUE(ApplyTextureStartValues(set, page).ok()); }
};

Grid Rows(std::initializer_list<std::initializer_list<const char*>> rows) {
  Grid grid{static_cast<int>(rows.size()), 4, {}};
  for (const auto& row : rows) {
    for (const char* cell : row) grid.cells.emplace_back(cell);
  }
  return grid;
}

TEST(NamedColourTest, TableValuesAndItems) {
  const auto table = NamedColourTable();
  ASSERT_EQ(table.size(), 125u);
  EXPECT_EQ(table[30].name, "Eggshell  ");
  EXPECT_EQ(table[30].rgb, (Rgb{252, 230, 201}));
  EXPECT_EQ(table[0].name, "Red");
  EXPECT_EQ(table[8].name, "DimGray   ");
  EXPECT_EQ(table[9].name, "Gray      ");
  EXPECT_EQ(table[96].rgb, (Rgb{0, 0, 0}));
  EXPECT_EQ(table[124].rgb, (Rgb{237, 153, 0}));
  EXPECT_EQ(table[91].name, "Silver    ");
  EXPECT_EQ(table[122].name, "Silver");
  EXPECT_EQ(FindNamedColour("silver"), 122);
  EXPECT_EQ(FindNamedColour("SILVER    "), 91);
  EXPECT_EQ(FindNamedColour("Silver "), -1);
  EXPECT_EQ(FindNamedColour("Custom Color"), -1);
  const auto items = ColourListItems();
  ASSERT_EQ(items.size(), 126u);
  EXPECT_EQ(items[125], "Custom Color");
  // The window's lists are generated from the parameter table's items.
  ParameterSet set;
  EXPECT_EQ(set.def(set.Find("cbColor2")).items.substr(0, 10), "Red|Green|");
  EXPECT_EQ(ComponentText(84), "0.3294");
  EXPECT_EQ(ComponentText(255), "1.0000");
  EXPECT_EQ(ComponentText(0), "0.0000");
  EXPECT_EQ(PackRgb(UnpackRgb(-1)), kWhite);
}

TEST(ColourRowsTest, StartValues) {
  Started s;
  for (int row = 1; row <= 3; ++row) {
    EXPECT_EQ(s.set.Index(ColourListName(row)), 30);
    EXPECT_EQ(s.set.Text("editRed" + std::to_string(row)), "0.9882");
    EXPECT_EQ(s.set.Text("editGreen" + std::to_string(row)), "0.9020");
    EXPECT_EQ(s.set.Text("editBlue" + std::to_string(row)), "0.7882");
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
  EXPECT_EQ(s.set.Text("editRed2"), "1.0000");
  EXPECT_EQ(s.set.Text("editGreen2"), "0.0000");
  EXPECT_EQ(s.set.Text("editBlue2"), "0.0000");
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
  const Grid& g = s.set.GridValue("sgColorMap");
  ASSERT_EQ(g.rows, 4);
  EXPECT_EQ(g.cell(0, 1), "0.120");
  EXPECT_EQ(g.cell(1, 1), "1");
  EXPECT_EQ(g.cell(2, 1), "0.1");
  EXPECT_EQ(g.cell(3, 1), "0.2");
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
  for (int i = 0; i < 256; ++i) {
    full.cells.insert(full.cells.end(), {i == 255 ? "1.000" : "0.000", "0", "0", "0"});
  }
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

}  // namespace
}  // namespace vermora
