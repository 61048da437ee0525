#pragma once

#include "params/page_path.h"

namespace vermora {

// The tree the window shows: BuildPageTree of the parameter table, with each
// switch that alone shows the page it stands on moved to the first sibling page
// (a worm's or thing's General page) as one of its `page_switches`.
PageNode WindowPageTree();

}  // namespace vermora
