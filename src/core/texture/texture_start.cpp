#include "texture/texture_start.h"

#include "texture/colour_map_edit.h"
#include "texture/colour_rows.h"

namespace vermora {

namespace {
constexpr int kEggshell = 30;
}  // namespace

Status ApplyTextureStartValues(ParameterSet& set, TexturePage& page) {
  set.SetIndex("cbPigmentType", 0);
  set.SetIndex("cbNormalType", 0);
  for (int row = 1; row <= 4; ++row) {
    set.SetIndex(ColourListName(row), kEggshell);
    ColourChange(set, page, ColourListName(row));
  }
  set.SetGrid("sgColorMap", StartColourMap());
  Diagnostics unused;  // the start map's cells are all valid numbers
  return MoveSlider(set, page, 0, unused);
}

}  // namespace vermora
