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

// A field as the user finds it: its label and its page, "\"Segments\" (Worms >
// SpiralWorm > General)".
std::string FieldPlace(const ParamDef& def);

// A node of the window's page tree: a page with its own parameters (table indices,
// in table order) and its sub-pages in the window's order.
struct PageNode {
  std::string name;
  std::string path;  // the table's page path of this node
  std::vector<size_t> params;
  std::vector<PageNode> children;
  // Switches that reveal sub-pages of this page's parent: they stand here, on a
  // page the user already sees, since a hidden page's own switch cannot be clicked.
  std::vector<size_t> page_switches;
};

// The page tree of `table`, rooted at an unnamed node, its sub-pages in the window's
// order. Within a page, parameters keep the table order, row 0 ("chkAnim", put
// first for the file's sake) aside.
PageNode BuildPageTree(std::span<const ParamDef> table);

}  // namespace vermora
