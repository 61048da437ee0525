#include "page_builder.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "prompts.h"

namespace vermora::app {
namespace {

constexpr int kRowsPerColumn = 14;
constexpr int kFieldsPerRow = 4;

// One line of a page: a label with up to four entry fields, or a self-labelled control.
struct Row {
  QString label;
  std::vector<QWidget*> widgets;
  bool labelled = false;
};

// A control name without its kind prefix ("ChkFanOn" -> "FanOn").
QString ShortName(std::string_view name) {
  for (std::string_view prefix : {"Chk", "chk", "Ed", "ed", "cb", "sb"}) {
    if (name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix) {
      return FromCore(std::string(name.substr(prefix.size())));
    }
  }
  return FromCore(std::string(name));
}

// Several self-labelled controls sharing one label are told apart by their names.
void TellApart(ParameterSet& set, const std::vector<size_t>& params, std::vector<Field>& fields,
               size_t first) {
  for (size_t k = first; k < fields.size(); ++k) {
    auto* button = qobject_cast<QAbstractButton*>(fields[k].widget);
    if (!button || !fields[k].labelled) continue;
    const std::string_view label = set.def(params[k - first]).label;
    int uses = 0;
    for (size_t i : params) uses += set.def(i).label == label ? 1 : 0;
    if (uses > 1) {
      button->setText(FieldLabel(label) + ": " + ShortName(set.def(params[k - first]).name));
    }
  }
}

std::vector<Row> Rows(ParameterSet& set, const std::vector<size_t>& params, const EditedFn& edited,
                      std::vector<Field>& fields, QWidget* parent) {
  std::vector<Row> rows;
  const size_t first = fields.size();
  std::string_view last_label;
  for (size_t i : params) {
    const ParamDef& def = set.def(i);
    Field field = MakeField(set, i, edited, parent);
    if (def.end_twin && !rows.empty()) {
      // An end value stands beside its parameter and is shown only while animating.
      field.widget->setToolTip(QStringLiteral("End value of the animation"));
      field.refresh = [shown = field.refresh, widget = field.widget, &set] {
        shown();
        widget->setVisible(set.On("chkAnim"));
      };
      if (!set.On("chkAnim")) field.widget->hide();
      rows.back().widgets.push_back(field.widget);
      fields.push_back(std::move(field));
      continue;
    }
    const bool joins = !field.labelled && !rows.empty() && !rows.back().labelled &&
                       def.label == last_label && IsEntryField(def.kind) &&
                       rows.back().widgets.size() < kFieldsPerRow;
    if (joins) {
      rows.back().widgets.push_back(field.widget);
    } else {
      rows.push_back({field.labelled ? QString() : FieldLabel(def.label), {field.widget},
                      field.labelled});
    }
    last_label = IsEntryField(def.kind) ? def.label : std::string_view();
    fields.push_back(std::move(field));
  }
  TellApart(set, params, fields, first);
  return rows;
}

void AddRow(QFormLayout* form, const Row& row) {
  if (row.labelled) {
    form->addRow(row.widgets.front());
    return;
  }
  if (row.widgets.size() == 1) {
    form->addRow(row.label, row.widgets.front());
    return;
  }
  auto* line = new QHBoxLayout;
  for (QWidget* w : row.widgets) {
    // Fields side by side are parts of one vector: keep them short.
    w->setMinimumWidth(40);
    w->setMaximumWidth(90);
    line->addWidget(w);
  }
  form->addRow(row.label, line);
}

QFormLayout* NewForm() {
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->setVerticalSpacing(4);
  // A long label puts its field on the next line rather than squeezing it.
  form->setRowWrapPolicy(QFormLayout::WrapLongRows);
  return form;
}

}  // namespace

QString PageObjectName(const std::string& path) {
  QString name = "Tab";
  for (char c : path) {
    if (std::isalnum(static_cast<unsigned char>(c))) name += QChar(c);
  }
  return name;
}

QWidget* BuildLeafPage(ParameterSet& set, const std::vector<size_t>& params,
                       const EditedFn& edited, std::vector<Field>& fields, QWidget* parent) {
  auto* content = new QWidget;
  const std::vector<Row> rows = Rows(set, params, edited, fields, content);
  auto* columns = new QHBoxLayout(content);
  const size_t per_column =
      rows.size() > kRowsPerColumn ? (rows.size() + 1) / 2 : std::max<size_t>(rows.size(), 1);
  QFormLayout* form = nullptr;
  for (size_t r = 0; r < rows.size(); ++r) {
    if (r % per_column == 0) {
      form = NewForm();
      columns->addLayout(form, 1);
    }
    AddRow(form, rows[r]);
  }
  auto* scroll = new QScrollArea(parent);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* outer = new QWidget;
  auto* stack = new QVBoxLayout(outer);
  stack->addWidget(content);
  stack->addStretch(1);
  scroll->setWidget(outer);
  return scroll;
}

QWidget* BuildPage(ParameterSet& set, const PageNode& node, const EditedFn& edited,
                   std::vector<Field>& fields, QWidget* parent) {
  QWidget* page = nullptr;
  if (node.children.empty()) {
    page = BuildLeafPage(set, node.params, edited, fields, parent);
  } else {
    auto* tabs = new QTabWidget(parent);
    tabs->setDocumentMode(true);
    if (!node.params.empty()) {
      // Parameters of a page that also has sub-pages sit on a first tab of their own.
      QWidget* own = BuildLeafPage(set, node.params, edited, fields, tabs);
      own->setObjectName(PageObjectName(node.path + "/Own"));
      tabs->addTab(own, "General");
    }
    for (const PageNode& child : node.children) {
      tabs->addTab(BuildPage(set, child, edited, fields, tabs), FromCore(child.name));
    }
    page = tabs;
  }
  page->setObjectName(PageObjectName(node.path));
  return page;
}

}  // namespace vermora::app
