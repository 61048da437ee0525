#include "form_rules.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QTabWidget>

#include "form/enabling_rules.h"
#include "page_builder.h"
#include "params/hints.h"
#include "prompts.h"

namespace vermora::app {
namespace {

QString Name(std::string_view name) { return FromCore(std::string(name)); }

// The tabs a page sits in, with its index there.
std::pair<QTabWidget*, int> TabOf(QWidget* page) {
  for (QWidget* up = page->parentWidget(); up; up = up->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(up)) return {tabs, tabs->indexOf(page)};
  }
  return {nullptr, -1};
}

// Pages whose hint shows over the page itself.
constexpr std::pair<const char*, const char*> kHintedPages[] = {
    {"TabEvolve", "Features/Evolve"},
    {"TabMutate", "Features/Mutate"},
    {"TabRandom", "Features/Random"},
};

// The page of each thing, shown when its switch comes on.
constexpr std::pair<const char*, const char*> kThingPages[] = {
    {"ChkWheelOn", "Things/Fan/Wheel"}, {"ChkFanOn", "Things/Fan/Wheel"},
    {"ChkTrilobyt", "Things/Trilobyt"}, {"ChkAnemoneOn", "Things/Anemone"},
    {"ChkClusterOn", "Things/Cluster"}, {"chkHornOn", "Things/Horn"},
    {"chkHullOn", "Things/Hull"},
};

}  // namespace

FormRules::FormRules(ParameterSet& set, QWidget* root, QStatusBar* status, QObject* parent)
    : QObject(parent), set_(set), root_(root), status_(status) {
  std::map<QString, QWidget*> by_name;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->objectName().isEmpty()) by_name.emplace(w->objectName(), w);
  }
  widgets_.resize(set.size(), nullptr);
  for (size_t i = 0; i < set.size(); ++i) {
    if (IsCommandButton(set.def(i))) continue;  // their panels show and hide them
    auto it = by_name.find(Name(set.def(i).name));
    if (it == by_name.end()) continue;
    widgets_[i] = it->second;
    // A switch the rules hide keeps its place in its column, so the switch
    // below it does not move under the pointer.
    if (set.def(i).kind == ParamKind::kSwitch && !set.def(i).hidden) {
      QSizePolicy policy = it->second->sizePolicy();
      policy.setRetainSizeWhenHidden(true);
      it->second->setSizePolicy(policy);
    }
  }
  FindLabels(root);
  SetHints();
  // The rules themselves run in the set; the window only watches it.
  set_.SetObserver([this](ParameterSet& s, size_t i) {
    for (const auto& [name, path] : kThingPages) {
      if (s.def(i).name == name && s.value(i).on) thing_page_ = path;
    }
    // A worm chosen brings its own page to the front of the Worms page.
    const ParamDef& def = s.def(i);
    if ((def.name == "RadioGroup1" || def.name == "RadioGroup2") && s.value(i).index >= 0) {
      const QStringList kinds = FromCore(std::string(def.items)).split('|');
      if (s.value(i).index < kinds.size()) thing_page_ = "Worms/" + ToCore(kinds[s.value(i).index]);
    }
  });
}

void FormRules::FindLabels(QWidget* root) {
  for (QFormLayout* form : root->findChildren<QFormLayout*>()) {
    for (int row = 0; row < form->rowCount(); ++row) {
      QLayoutItem* label_item = form->itemAt(row, QFormLayout::LabelRole);
      QLayoutItem* field_item = form->itemAt(row, QFormLayout::FieldRole);
      auto* label = label_item ? qobject_cast<QLabel*>(label_item->widget()) : nullptr;
      if (!label || !field_item) continue;
      if (QWidget* w = field_item->widget()) labels_[w] = label;
      if (QLayout* line = field_item->layout()) {
        for (int k = 0; k < line->count(); ++k) {
          if (QWidget* w = line->itemAt(k)->widget()) labels_[w] = label;
        }
      }
    }
  }
}

void FormRules::SetHints() {
  auto hint = [this](QWidget* w, const QString& text) {
    w->setToolTip(text);
    w->installEventFilter(this);
    hints_[w] = text;
  };
  for (size_t i = 0; i < set_.size(); ++i) {
    QWidget* w = widgets_[i];
    if (!w) continue;
    const std::string text = HintFor(set_.def(i).name);
    if (text.empty()) continue;
    hint(w, FromCore(text));
    // A label beside a field explains the field; a shared label keeps the first.
    auto label = labels_.find(w);
    if (label != labels_.end() && !hints_.count(label->second)) hint(label->second, FromCore(text));
  }
  for (const auto& [name, path] : kHintedPages) {
    auto* page = root_->findChild<QWidget*>(PageObjectName(path));
    if (!page) continue;
    const QString text = FromCore(HintFor(name));
    hint(page, text);
    if (auto [tabs, index] = TabOf(page); tabs) tabs->setTabToolTip(index, text);
  }
}

void FormRules::Apply() {
  const FormState form = EvaluateForm(set_);
  const bool animating = set_.On("chkAnim");
  std::map<QLabel*, std::pair<bool, bool>> label_states;  // any field shown, any enabled
  for (size_t i = 0; i < set_.size(); ++i) {
    QWidget* w = widgets_[i];
    if (!w) continue;
    const ParamDef& def = set_.def(i);
    const bool shown = !def.hidden && form.Visible(def.name) && (!def.end_twin || animating);
    const bool enabled = form.Enabled(def.name);
    if (w->isHidden() == shown) w->setVisible(shown);
    w->setEnabled(enabled);
    auto label = labels_.find(w);
    if (label == labels_.end() || def.end_twin) continue;
    auto& state = label_states[label->second];
    state.first = state.first || shown;
    state.second = state.second || enabled;
    const std::string caption = form.Caption(def.name);
    if (!caption.empty()) label->second->setText(FromCore(caption));
  }
  for (const auto& [label, state] : label_states) {
    label->setVisible(state.first);
    label->setEnabled(state.second);
  }
  for (std::string_view path : RulePagePaths()) {
    auto* page = root_->findChild<QWidget*>(PageObjectName(std::string(path)));
    if (!page) continue;
    // Only a change is passed on: Qt's tab bar, while hidden, forgets that its layout is
    // stale when told a tab keeps the state it has, and shows a revealed tab 0 wide.
    auto [tabs, index] = TabOf(page);
    if (tabs && tabs->isTabVisible(index) != form.Visible(path)) {
      tabs->setTabVisible(index, form.Visible(path));
    }
  }
  KeepOnSwitchesReachable();
  if (!thing_page_.empty()) {
    if (auto* page = root_->findChild<QWidget*>(PageObjectName(thing_page_))) {
      if (auto [tabs, index] = TabOf(page); tabs) tabs->setCurrentIndex(index);
    }
    thing_page_.clear();
  }
}

void FormRules::KeepOnSwitchesReachable() {
  // A set from a file may hold a page switch on where the rules hide its page (bubbles on
  // a worm not chosen): the pages around it stay shown, so the user can turn it off.
  for (const FormRule& rule : vermora::FormRules()) {
    if (rule.effect != RuleEffect::kShow || rule.state != RuleState::kOn) continue;
    if (PagePathOf(rule.targets).empty()) continue;
    const int index = set_.Find(rule.controls);
    if (index < 0 || !set_.value(static_cast<size_t>(index)).on) continue;
    QWidget* control = widgets_[static_cast<size_t>(index)];
    for (QWidget* up = control; up && up != root_; up = up->parentWidget()) {
      auto [tabs, at] = TabOf(up);
      if (tabs && tabs->widget(at) == up && !tabs->isTabVisible(at)) tabs->setTabVisible(at, true);
    }
  }
}

bool FormRules::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    auto it = hints_.find(watched);
    if (it != hints_.end()) status_->showMessage(it->second);
  } else if (event->type() == QEvent::Leave && hints_.count(watched)) {
    status_->clearMessage();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vermora::app
