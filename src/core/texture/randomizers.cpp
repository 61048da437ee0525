#include "texture/randomizers.h"

#include "common/fixed.h"
#include "texture/colour_map_edit.h"
#include "texture/colour_rows.h"
#include "texture/named_colours.h"
#include "texture/texture_builder.h"

namespace vermora {
namespace {

// A whole number by way of its fixed(P,0) text, as the fields round it.
int Rounded(double value, int precision) {
  return ParseInteger(Fixed(value, precision, 0)).value_or(0);
}

int RandomColour(Random& random) { return Rounded(random.Next() * 16777215, 8); }

std::string Drawn(Random& random, double scale, int precision = 3, int decimals = 2) {
  return Fixed(random.Next() * scale, precision, decimals);
}

// pick(2): 0 puts the toggle down.
bool DrawDown(Random& random) { return random.Below(2) == 0; }

Status AddAt(ParameterSet& set, TexturePage& page, int position, Random& random,
             Diagnostics& diagnostics) {
  if (Status s = MoveSlider(set, page, position, diagnostics); !s.ok()) return s;
  page.swatch[3] = RandomColour(random);
  // A full map refuses new entries; the colours at existing positions still change.
  (void)AddColour(set, page, diagnostics);
  return Status::Ok();
}

}  // namespace

Status RandomPigment(ParameterSet& set, TexturePage& page, Random& random, const Clock& clock,
                     Diagnostics& diagnostics) {
  random.ReseedFromClock(clock);
  const int type = set.Index("cbPigmentType");
  if (type >= 0 && type <= 3) {
    const int rows = type == 0 ? 1 : type == 3 ? 3 : 2;
    for (int row = 1; row <= rows; ++row) {
      page.swatch[row - 1] = RandomColour(random);
      RefreshComponentFields(set, page, row);
      set.SetIndex(ColourListName(row), kCustomColourIndex);
    }
    return Status::Ok();
  }
  if (!UsesColourMap(type)) return Status::Ok();
  if (Status s = AddAt(set, page, 0, random, diagnostics); !s.ok()) return s;
  if (Status s = AddAt(set, page, 1000, random, diagnostics); !s.ok()) return s;
  const int extra = Rounded(random.Next() * 4, 1);
  for (int k = 0; k < extra; ++k) {
    const int position = Rounded(random.Next() * 1000, 4);
    if (Status s = AddAt(set, page, position, random, diagnostics); !s.ok()) return s;
  }
  set.SetText("editTurbulence", Drawn(random, 2));
  set.SetText("editLambda", Drawn(random, 3));
  set.SetText("editOmega", Drawn(random, 1));
  set.SetText("editOctaves", Drawn(random, 10));
  return Status::Ok();
}

void RandomNormal(ParameterSet& set, Random& random, const Clock& clock) {
  random.ReseedFromClock(clock);
  set.SetIndex("cbNormalType", Rounded(random.Next() * 19, 2));
  set.SetText("editNormalDepth", Drawn(random, 4));
  set.SetText("editNTurbulence", Drawn(random, 2));
  set.SetText("editNLambda", Drawn(random, 3));
  set.SetText("editNOmega", Drawn(random, 1));
  set.SetText("editNOctaves", Drawn(random, 10));
}

void RandomFinish(ParameterSet& set, Random& random, const Clock& clock) {
  random.ReseedFromClock(clock);
  auto toggle = [&](const char* name) {
    const bool down = DrawDown(random);
    set.SetOn(name, down);
    return down;
  };
  if (toggle("sbBrilliance")) set.SetText("editBrilliance", Drawn(random, 5));
  if (toggle("sbPhong")) {
    set.SetText("editPhong", Drawn(random, 1));
    set.SetText("editPhongS", Drawn(random, 250, 3, 0));
  }
  if (toggle("sbSpecular")) {
    set.SetText("editSpecular", Drawn(random, 1));
    if (toggle("sbRoughness")) set.SetText("editRoughness", Drawn(random, 1));
  } else {
    set.SetOn("sbRoughness", false);
  }
  toggle("sbMetallic");
  if (toggle("sbReflection")) set.SetText("editReflection", Drawn(random, 1));
  if (toggle("sbCrand")) set.SetText("editCrand", Drawn(random, 0.5, 4, 3));
}

}  // namespace vermora
