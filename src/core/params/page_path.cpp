#include "params/page_path.h"

#include <algorithm>
#include <array>

namespace vermora {
namespace {

constexpr std::array<std::string_view, 4> kSlashedNames = {"Fan/Wheel", "Fog/Haze", "Tail/Head",
                                                           "Serie/Interval"};

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
  return root;
}

}  // namespace vermora
