#include "texture/colour_rows.h"

#include <algorithm>

#include "common/fixed.h"
#include "texture/named_colours.h"

namespace vermora {
namespace {

std::string RowField(const char* component, int row) { return component + std::to_string(row); }

std::uint8_t ComponentFromFraction(float fraction) {
  const long long rounded = RoundHalfEven(static_cast<double>(fraction) * 255.0);
  return static_cast<std::uint8_t>(std::clamp<long long>(rounded, 0, 255));
}

}  // namespace

std::string ColourListName(int row) { return "cbColor" + std::to_string(row); }

void RefreshComponentFields(ParameterSet& set, const TexturePage& page, int row) {
  const Rgb rgb = UnpackRgb(page.swatch[row - 1]);
  set.SetText(RowField("editRed", row), ComponentText(rgb.red));
  set.SetText(RowField("editGreen", row), ComponentText(rgb.green));
  set.SetText(RowField("editBlue", row), ComponentText(rgb.blue));
}

void RefreshComponentFields(ParameterSet& set, const TexturePage& page) {
  for (int row = 1; row <= 3; ++row) RefreshComponentFields(set, page, row);
}

void ColourChange(ParameterSet& set, TexturePage& page, std::string_view list) {
  int row = 0;
  for (int k = 1; k <= 4; ++k) {
    if (list == ColourListName(k)) row = k;
  }
  if (row == 0) return;
  const int index = set.Index(list);
  page.swatch[row - 1] = index >= 0 && index < kNamedColourCount
                             ? PackRgb(NamedColourTable()[index].rgb)
                             : PackRgb(UnpackRgb(set.Tag(list)));
  RefreshComponentFields(set, page);
}

int BeginChooseColour(ParameterSet& set, const TexturePage& page, int row) {
  if (row <= 3) RefreshComponentFields(set, page, row);
  return page.swatch[row - 1];
}

void ChooseColour(ParameterSet& set, TexturePage& page, int row, int packed_colour) {
  const std::string list = ColourListName(row);
  set.SetTag(list, packed_colour);
  set.SetIndex(list, kCustomColourIndex);
  ColourChange(set, page, list);
}

void UpdateColourRow(ParameterSet& set, TexturePage& page, int row, Diagnostics& diagnostics) {
  Rgb rgb;
  std::uint8_t* parts[] = {&rgb.red, &rgb.green, &rgb.blue};
  const char* fields[] = {"editRed", "editGreen", "editBlue"};
  for (int k = 0; k < 3; ++k) {
    const std::string& text = set.Text(RowField(fields[k], row));
    const auto fraction = ParseNumber(text);
    if (!fraction) diagnostics.Warn(BadNumberMessage(text));
    *parts[k] = ComponentFromFraction(fraction.value_or(0.0f));
  }
  page.swatch[row - 1] = PackRgb(rgb);
  set.SetIndex(ColourListName(row), kCustomColourIndex);
}

}  // namespace vermora
