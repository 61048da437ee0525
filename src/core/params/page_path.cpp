#include "params/page_path.h"

#include <algorithm>
#include <array>

namespace vermora {
namespace {

constexpr std::array<std::string_view, 4> kSlashedNames = {"Fan/Wheel", "Fog/Haze", "Tail/Head",
                                                           "Serie/Interval"};

// The window's order of the sub-pages of each page; a page not listed keeps the
// order of its first row, after the listed ones.
struct PageOrder {
  std::string_view path;
  std::string_view children;  // names apart by blanks
};
constexpr PageOrder kPageOrders[] = {
    {"", "Main General Worms Things Textures Features Backgrd Povray"},
    {"Worms",
     "SpiralWorm CurlWorm DoubleSpiral PredefWorm WormPredef FormWorm TwoDWorm "
     "TorusSpline Postproc"},
    {"Worms/SpiralWorm", "General Bubble Branch Base Top TopHart Husk Helix"},
    {"Worms/CurlWorm", "General Husk TopHart"},
    {"Worms/DoubleSpiral", "General SideObject"},
    {"Worms/TwoDWorm", "General Recursion"},
    {"Things", "Fan/Wheel Trilobyt Anemone Cluster Horn Hull ThingExtra TPostproc"},
    {"Things/Fan/Wheel", "General Tentacle"},
    {"Things/ThingExtra", "Tail/Head Link Serie/Interval Scramble"},
    {"Textures", "General Pigment Normal Finish TTPostproc"},
    {"Features", "Evolve Mutate Random Breeding Animation"},
    {"Backgrd", "Sky Fog/Haze Sea Land Picture Galaxy"},
};

size_t RankOf(std::string_view order, std::string_view name) {
  size_t rank = 0;
  while (!order.empty()) {
    const size_t end = std::min(order.find(' '), order.size());
    if (order.substr(0, end) == name) return rank;
    ++rank;
    order.remove_prefix(std::min(end + 1, order.size()));
  }
  return rank;  // after every listed page
}

void SortPages(PageNode& node) {
  for (const PageOrder& order : kPageOrders) {
    if (order.path != node.path) continue;
    std::stable_sort(node.children.begin(), node.children.end(),
                     [&](const PageNode& a, const PageNode& b) {
                       return RankOf(order.children, a.name) < RankOf(order.children, b.name);
                     });
  }
  for (PageNode& child : node.children) SortPages(child);
}

PageNode& ChildNamed(PageNode& node, const std::string& name) {
  for (PageNode& child : node.children) {
    if (child.name == name) return child;
  }
  PageNode child;
  child.name = name;
  child.path = node.path.empty() ? name : node.path + "/" + name;
  node.children.push_back(std::move(child));
  return node.children.back();
}

void Place(PageNode& root, const ParamDef& def, size_t index) {
  if (IsCommandButton(def)) return;  // each command's own panel shows its button
  PageNode* node = &root;
  for (const std::string& page : SplitPagePath(def.page)) node = &ChildNamed(*node, page);
  node->params.push_back(index);
}

}  // namespace

std::vector<std::string> SplitPagePath(std::string_view path) {
  std::vector<std::string> pages;
  while (!path.empty()) {
    size_t end = path.find('/');
    for (std::string_view slashed : kSlashedNames) {
      if (path.substr(0, slashed.size()) == slashed &&
          (path.size() == slashed.size() || path[slashed.size()] == '/')) {
        end = slashed.size();
      }
    }
    pages.emplace_back(path.substr(0, end));
    if (end >= path.size()) break;
    path.remove_prefix(end + 1);
  }
  return pages;
}

PageNode BuildPageTree(std::span<const ParamDef> table) {
  PageNode root;
  for (size_t i = 1; i < table.size(); ++i) Place(root, table[i], i);
  if (!table.empty()) {
    Place(root, table[0], 0);
    // Keep the row's page in its own order, with chkAnim at the head of it.
    std::vector<std::string> pages = SplitPagePath(table[0].page);
    PageNode* node = &root;
    for (const std::string& page : pages) node = &ChildNamed(*node, page);
    std::rotate(node->params.begin(), node->params.end() - 1, node->params.end());
  }
  SortPages(root);
  return root;
}

std::string FieldPlace(const ParamDef& def) {
  std::string place = "\"" + std::string(def.label) + "\" (";
  const std::vector<std::string> pages = SplitPagePath(def.page);
  for (size_t i = 0; i < pages.size(); ++i) place += (i ? " > " : "") + pages[i];
  return place + ")";
}

}  // namespace vermora
