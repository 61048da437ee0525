#include "form/window_pages.h"

#include <algorithm>

#include "form/enabling_rules.h"
#include "params/param_table.h"

namespace vermora {
namespace {

PageNode* Find(PageNode& node, std::string_view path) {
  if (node.path == path) return &node;
  for (PageNode& child : node.children) {
    if (PageNode* found = Find(child, path)) return found;
  }
  return nullptr;
}

PageNode* ParentOf(PageNode& node, const PageNode& child) {
  for (PageNode& c : node.children) {
    if (&c == &child) return &node;
    if (PageNode* found = ParentOf(c, child)) return found;
  }
  return nullptr;
}

}  // namespace

PageNode WindowPageTree() {
  const auto table = ParamTable();
  PageNode root = BuildPageTree(table);
  for (const FormRule& rule : FormRules()) {
    if (rule.effect != RuleEffect::kShow || rule.state != RuleState::kOn) continue;
    if (rule.controls.find(' ') != std::string_view::npos) continue;
    const std::string_view path = PagePathOf(rule.targets);
    PageNode* page = path.empty() ? nullptr : Find(root, path);
    if (!page) continue;
    auto own = std::find_if(page->params.begin(), page->params.end(),
                            [&](size_t i) { return table[i].name == rule.controls; });
    PageNode* parent = ParentOf(root, *page);
    if (own == page->params.end() || !parent || &parent->children.front() == page) continue;
    parent->children.front().page_switches.push_back(*own);
    page->params.erase(own);
  }
  return root;
}

}  // namespace vermora
