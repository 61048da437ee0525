#include "page_builder.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGroupBox>
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

// One line of a page: a label with up to four entry fields (and their end twins),
// or a self-labelled control.
struct Row {
  QString label;
  std::vector<QWidget*> widgets;
  bool labelled = false;
  size_t fields = 0;  // widgets that are no end twins
};

std::vector<Row> Rows(ParameterSet& set, const std::vector<size_t>& params, const EditedFn& edited,
                      std::vector<Field>& fields, QWidget* parent) {
  std::vector<Row> rows;
  std::string_view last_label;
  QWidget* hidden = nullptr;
  for (size_t i : params) {
    const ParamDef& def = set.def(i);
    if (def.hidden) {
      // Kept for the commands that read it, never shown.
      if (!hidden) {
        hidden = new QWidget(parent);
        hidden->setObjectName("HiddenFields");
        hidden->hide();
      }
      fields.push_back(MakeField(set, i, edited, hidden));
      continue;
    }
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
                       rows.back().fields < kFieldsPerRow;
    if (joins) {
      rows.back().widgets.push_back(field.widget);
      ++rows.back().fields;
    } else {
      rows.push_back(
          {field.labelled ? QString() : FieldLabel(def.label), {field.widget}, field.labelled, 1});
    }
    last_label = IsEntryField(def.kind) ? def.label : std::string_view();
    fields.push_back(std::move(field));
  }
  return rows;
}

void AddRow(QFormLayout* form, const Row& row) {
  if (row.labelled) {
    // A switch stands in a box of its own: a box layout keeps the place of a
    // switch the rules hide (a form row would close up under the pointer).
    auto* line = new QVBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(row.widgets.front());
    form->addRow(line);
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

QWidget* BuildLeafPage(ParameterSet& set, const std::vector<size_t>& params, const EditedFn& edited,
                       std::vector<Field>& fields, QWidget* parent,
                       const std::vector<size_t>& page_switches) {
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
  // A narrow window scrolls the page sideways rather than cutting its right column.
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  auto* outer = new QWidget;
  auto* stack = new QVBoxLayout(outer);
  if (!page_switches.empty()) {
    // The switches of the sub-pages beside this one head the page: each shows its page.
    auto* parts = new QGroupBox("Parts", outer);
    parts->setObjectName("PartsGroup");
    auto* line = new QHBoxLayout(parts);
    for (const Row& row : Rows(set, page_switches, edited, fields, parts)) {
      for (QWidget* w : row.widgets) line->addWidget(w);
    }
    line->addStretch(1);
    stack->addWidget(parts);
  }
  stack->addWidget(content);
  stack->addStretch(1);
  scroll->setWidget(outer);
  return scroll;
}

QWidget* BuildPage(ParameterSet& set, const PageNode& node, const EditedFn& edited,
                   std::vector<Field>& fields, QWidget* parent) {
  QWidget* page = nullptr;
  if (node.children.empty()) {
    page = BuildLeafPage(set, node.params, edited, fields, parent, node.page_switches);
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
