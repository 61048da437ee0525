#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "params/param_def.h"

namespace vermora {

// Splits a table page path into its pages. A few page names hold a "/" themselves
// ("Fan/Wheel", "Fog/Haze", "Tail/Head", "Serie/Interval"); they stay whole.
std::vector<std::string> SplitPagePath(std::string_view path);

// A node of the window's page tree: a page with its own parameters (table indices,
// in table order) and its sub-pages in the window's order.
struct PageNode {
  std::string name;
  std::string path;  // the table's page path of this node
  std::vector<size_t> params;
  std::vector<PageNode> children;
};

// The page tree of `table`, rooted at an unnamed node. Pages come in the order of
// their first row, row 0 ("chkAnim", put first for the file's sake) aside.
PageNode BuildPageTree(std::span<const ParamDef> table);

}  // namespace vermora
