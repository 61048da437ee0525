#pragma once

#include <string_view>

namespace vermora {

enum class ParamKind {
  kNumber,   // entry field read as a single-precision number
  kInteger,  // entry field read as a 32-bit integer
  kText,     // entry field used as it stands
  kSwitch,   // check box
  kChoice,   // radio group: item index (-1 none) plus a tag
  kList,     // drop-down list: item index plus a tag (a custom colour)
  kSlider,   // scroll bar position
  kToggle,   // speed button; only the finish toggles ever stay down
  kGrid,     // the colour-map string grid
};

// One row of the parameter table. `value` is the default, written exactly as the
// settings file writes that kind ("Y"/"N", an index, "rows~cols:cell~...").
// `page` is the window page path ("Worms/SpiralWorm/General"); rows of one page
// are contiguous and in the window's component order.
struct ParamDef {
  std::string_view name;
  ParamKind kind;
  std::string_view value;
  std::string_view page;
  std::string_view label;
  std::string_view items = {};  // choice and list items, separated by '|'
  int min = 0;                  // slider range
  int max = 0;
  // A hidden field holding an animation end value, shown while animating.
  bool end_twin = false;
};

bool IsEntryField(ParamKind kind);
// A speed button that runs a command (every toggle but the nine finish
// toggles): stored in settings files, always up, shown by its own panel.
bool IsCommandButton(const ParamDef& def);

}  // namespace vermora
