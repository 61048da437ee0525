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
  // What the window calls the control: a few words in sentence case, at most 40
  // characters, unique on its page. The components of one vector share one label,
  // and consecutive entry fields with the same label share one row.
  std::string_view label;
  // What the parameter means, as a short phrase; the hint of a control that has
  // no hint text of its own.
  std::string_view about;
  std::string_view items = {};  // choice and list items, separated by '|'
  int min = 0;                  // slider range
  int max = 0;
  // A hidden field holding an animation end value, shown while animating.
  bool end_twin = false;
  // Kept in the set and in settings files but never shown in the window.
  bool hidden = false;
};

bool IsEntryField(ParamKind kind);
// A speed button that runs a command (every toggle but the nine finish
// toggles): stored in settings files, always up, shown by its own panel.
bool IsCommandButton(const ParamDef& def);

}  // namespace vermora
