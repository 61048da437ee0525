#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vermora {

// The short explanation the window shows for a control, in the program's 8-bit
// text; empty when the control has none. A label shows its field's hint.
std::string HintFor(std::string_view control);

// Every control that has a hint, in table order.
std::vector<std::string_view> HintedControls();

}  // namespace vermora
