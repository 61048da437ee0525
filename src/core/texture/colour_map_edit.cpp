#include "texture/colour_map_edit.h"

#include <algorithm>

#include "common/fixed.h"
#include "texture/colour_map_text.h"
#include "texture/colour_rows.h"
#include "texture/named_colours.h"

namespace vermora {
namespace {

constexpr const char* kMap = "sgColorMap";

float ReadPosition(const std::string& text, Diagnostics& diagnostics) {
  const auto value = ParseNumber(text);
  if (!value) diagnostics.Warn(BadNumberMessage(text));
  return value.value_or(0.0f);
}

void InsertRowCopy(Grid& grid, int row) {
  const auto at = grid.cells.begin() + static_cast<long>(row) * grid.cols;
  std::vector<std::string> copy(at, at + grid.cols);
  grid.cells.insert(at, copy.begin(), copy.end());
  ++grid.rows;
}

void EraseRow(Grid& grid, int row) {
  const auto at = grid.cells.begin() + static_cast<long>(row) * grid.cols;
  grid.cells.erase(at, at + grid.cols);
  --grid.rows;
}

Status NeedsColourColumn(const Grid& grid) {
  if (grid.cols < 2) return Status::Error("The color map grid has no color column.");
  return Status::Ok();
}

// Positions far outside 0..1 (from an edited file) are held near the strip so
// the column arithmetic stays in range.
long long StripColumn(float position, int width) {
  return RoundHalfEven(std::clamp(double(position), -1e6, 1e6) * width);
}

}  // namespace

Grid StartColourMap() {
  return Grid{2, 4, {"0.000", "16777215", "0", "0", "1.000", "0", "0", "0"}};
}

Status PositionChange(ParameterSet& set, TexturePage& page, Diagnostics& diagnostics) {
  page.position_label = Fixed(page.position * 0.001, 1, 3);
  const float p = ReadPosition(page.position_label, diagnostics);
  const Grid& grid = set.GridValue(kMap);
  if (Status s = NeedsColourColumn(grid); !s.ok()) return s;
  int taken = -1;
  for (int row = 0; row < grid.rows; ++row) {
    const float at = ReadPosition(grid.cell(0, row), diagnostics);
    if (at == p) {
      taken = row;
      break;
    }
    if (at > p) {
      taken = row - 1;
      break;
    }
  }
  if (taken < 0) return Status::Error("Could not find position!");
  const std::string colour = grid.cell(1, taken);
  const std::string filter = MapCell(grid, 2, taken);
  const std::string transmit = MapCell(grid, 3, taken);
  if (const int named = FindNamedColour(colour); named >= 0) {
    set.SetIndex("cbColor4", named);
  } else {
    Rgb rgb;
    if (Status s = ColourFromText(colour, rgb); !s.ok()) return s;
    set.SetTag("cbColor4", PackRgb(rgb));
    set.SetIndex("cbColor4", kCustomColourIndex);
  }
  ColourChange(set, page, "cbColor4");
  set.SetText("editFilter4", filter);
  set.SetText("editTransmit4", transmit);
  return Status::Ok();
}

Status MoveSlider(ParameterSet& set, TexturePage& page, int position, Diagnostics& diagnostics) {
  page.position = std::clamp(position, 0, 1000);
  return PositionChange(set, page, diagnostics);
}

Status AddColour(ParameterSet& set, const TexturePage& page, Diagnostics& diagnostics) {
  const float p = ReadPosition(page.position_label, diagnostics);
  Grid grid = set.GridValue(kMap);
  if (Status s = NeedsColourColumn(grid); !s.ok()) return s;
  for (int row = 0; row < grid.rows; ++row) {
    const float at = ReadPosition(grid.cell(0, row), diagnostics);
    if (at < p) continue;
    if (at > p) {
      if (grid.rows >= kMaxColourMapEntries) {
        return Status::Error("A color map holds at most 256 colors.");
      }
      InsertRowCopy(grid, row);
    }
    grid.cells[static_cast<size_t>(row) * grid.cols] = page.position_label;
    grid.cells[static_cast<size_t>(row) * grid.cols + 1] = IntegerText(page.swatch[3]);
    set.SetGrid(kMap, std::move(grid));
    return Status::Ok();
  }
  return Status::Ok();  // beyond the last entry: nothing to replace or insert before
}

Status DeleteColour(ParameterSet& set, const TexturePage& page, Diagnostics& diagnostics) {
  Grid grid = set.GridValue(kMap);
  if (grid.rows < 3) return Status::Error("Cannot have less than 2 colors in color map.");
  const float p = ReadPosition(page.position_label, diagnostics);
  int candidate = -1;
  for (int row = 0; row < grid.rows; ++row) {
    if (ReadPosition(grid.cell(0, row), diagnostics) > p) {
      candidate = row - 1;
      break;
    }
  }
  if (candidate < 0 || ReadPosition(grid.cell(0, candidate), diagnostics) == 0.0f) {
    return Status::Error("Not a valid color position.  Cannot delete.");
  }
  EraseRow(grid, candidate);
  set.SetGrid(kMap, std::move(grid));
  return Status::Ok();
}

void DefaultColourMap(ParameterSet& set, TexturePage& page) {
  set.SetGrid(kMap, StartColourMap());
  page.position = 0;
  page.swatch[3] = 0xffffff;
  page.position_label = "0.000";
}

Status ColourMapStrip(const Grid& grid, int width, std::vector<int>& columns,
                      Diagnostics& diagnostics) {
  if (Status s = NeedsColourColumn(grid); !s.ok()) return s;
  std::vector<int> out(static_cast<size_t>(std::max(width, 0)), -1);
  for (int k = 0; k + 1 < grid.rows; ++k) {
    const long long x0 = StripColumn(ReadPosition(grid.cell(0, k), diagnostics), width);
    const long long x1 = StripColumn(ReadPosition(grid.cell(0, k + 1), diagnostics), width);
    Rgb c0, c1;
    if (Status s = ColourFromText(grid.cell(1, k), c0); !s.ok()) return s;
    if (Status s = ColourFromText(grid.cell(1, k + 1), c1); !s.ok()) return s;
    if (x1 == x0) continue;
    // Only the columns inside the strip are visited, however far a position lies.
    const long long first = std::max<long long>(std::min(x0, x1), 0);
    const long long last = std::min<long long>(std::max(x0, x1), width - 1);
    for (long long x = first; x <= last; ++x) {
      auto blend = [&](int a, int b) {
        const double v = a + double(x - x0) * (b - a) / double(x1 - x0);
        return static_cast<std::uint8_t>(std::clamp<long long>(RoundHalfEven(v), 0, 255));
      };
      out[static_cast<size_t>(x)] =
          PackRgb({blend(c0.red, c1.red), blend(c0.green, c1.green), blend(c0.blue, c1.blue)});
    }
  }
  columns = std::move(out);
  return Status::Ok();
}

}  // namespace vermora
