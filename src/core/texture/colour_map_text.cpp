#include "texture/colour_map_text.h"

#include "common/fixed.h"
#include "params/number_reading.h"

namespace vermora {

Status ColourFromText(const std::string& text, Rgb& colour) {
  if (const int named = FindNamedColour(text); named >= 0) {
    colour = NamedColourTable()[named].rgb;
    return Status::Ok();
  }
  const auto packed = ParseInteger(text);
  if (!packed) return Status::Error(BadIntegerMessage(text));
  colour = UnpackRgb(*packed);
  return Status::Ok();
}

const std::string& MapCell(const Grid& grid, int col, int row) {
  static const std::string kNone = "0";
  if (col >= grid.cols || row >= grid.rows) return kNone;
  return grid.cell(col, row);
}

Status ColourMapText(const Grid& grid, std::string& text) {
  if (grid.rows < 1) return Status::Error("The color map holds no colors.");
  if (grid.rows > kMaxColourMapEntries) {
    return Status::Error("The color map holds " + IntegerText(grid.rows) +
                         " colors; POV-Ray takes at most 256.");
  }
  if (grid.cols < 2) return Status::Error("The color map grid has no color column.");
  std::string out;
  for (int row = 0; row < grid.rows; ++row) {
    out += " [" + grid.cell(0, row) + " color ";
    const std::string& colour = grid.cell(1, row);
    if (FindNamedColour(colour) >= 0) {
      out += colour;
    } else {
      const auto packed = ParseInteger(colour);
      if (!packed) return Status::Error(BadIntegerMessage(colour));
      const Rgb rgb = UnpackRgb(*packed);
      out += "rgb <" + Fixed(rgb.red / 255.0, 1, 3) + ", " + Fixed(rgb.green / 255.0, 1, 3) + ", " +
             Fixed(rgb.blue / 255.0, 1, 3) + " >";
    }
    if (const std::string& filter = MapCell(grid, 2, row); filter != "0")
      out += " filter  " + filter;
    if (const std::string& transmit = MapCell(grid, 3, row); transmit != "0") {
      out += " transmit  " + transmit;
    }
    out += " ]";
  }
  text = std::move(out);
  return Status::Ok();
}

}  // namespace vermora
