#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vermora {

// The short explanation the window shows for a control, in the program's 8-bit
// text. Every parameter has one: its own hint text where it has one, else its
// meaning from the parameter table; an end twin's hint is its parameter's. A few
// pages have hints too; unknown names have none. A label shows its field's hint.
std::string HintFor(std::string_view control);

// The parameters that have a hint text of their own, each as the table names it.
std::vector<std::string_view> HintedParameters();

}  // namespace vermora
