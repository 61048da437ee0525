#include "field_factory.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "params/entry_check.h"
#include "prompts.h"

namespace vermora::app {
namespace {

QStringList Items(const ParamDef& def) {
  if (def.items.empty()) return {};
  return FromCore(std::string(def.items)).split('|');
}

// A value the set cannot use is marked in its field, the mark's hint saying
// what is needed, as the user types and whenever the set changes under it.
void MarkProblem(QLineEdit* edit, const ParamDef& def, const std::string& text) {
  const QString problem = FromCore(EntryProblem(def, text));
  auto* mark = edit->findChild<QAction*>(kEntryProblemMark);
  if (problem.isEmpty()) {
    if (mark) mark->setVisible(false);
    return;
  }
  if (!mark) {
    mark = edit->addAction(edit->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                           QLineEdit::TrailingPosition);
    mark->setObjectName(kEntryProblemMark);
  }
  mark->setToolTip(problem);
  mark->setVisible(true);
}

Field Entry(ParameterSet& set, size_t i, const EditedFn& edited, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  const std::string name(set.def(i).name);
  if (set.def(i).kind != ParamKind::kText)
    edit->setMaximumWidth(90);
  else
    edit->setMinimumWidth(150);
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   [&set, i, name, edited, edit](const QString& t) {
                     set.SetText(name, ToCore(t));
                     MarkProblem(edit, set.def(i), set.value(i).text);
                     edited(i);
                   });
  return {edit, false, [edit, &set, i] {
            const QString text = FromCore(set.value(i).text);
            if (edit->text() != text) {
              const QSignalBlocker block(edit);
              edit->setText(text);
              edit->setCursorPosition(0);
            }
            MarkProblem(edit, set.def(i), set.value(i).text);
          }};
}

Field Switch(ParameterSet& set, size_t i, const EditedFn& edited, QWidget* parent) {
  auto* box = new QCheckBox(FieldLabel(set.def(i).label), parent);
  const std::string name(set.def(i).name);
  QObject::connect(box, &QCheckBox::toggled, box, [&set, i, name, edited](bool on) {
    set.SetOn(name, on);
    edited(i);
  });
  return {box, true, [box, &set, i] {
            const QSignalBlocker block(box);
            box->setChecked(set.value(i).on);
          }};
}

Field Toggle(ParameterSet& set, size_t i, const EditedFn& edited, QWidget* parent) {
  auto* button = new QToolButton(parent);
  std::string_view name = set.def(i).name;
  button->setText(FieldLabel(set.def(i).label));
  button->setCheckable(true);
  button->setMinimumWidth(80);
  QObject::connect(button, &QToolButton::toggled, button,
                   [&set, i, n = std::string(name), edited](bool on) {
                     set.SetOn(n, on);
                     edited(i);
                   });
  return {button, true, [button, &set, i] {
            const QSignalBlocker block(button);
            button->setChecked(set.value(i).on);
          }};
}

// A choice or list whose items another part of the program supplies: its index.
Field IndexBox(ParameterSet& set, size_t i, const EditedFn& edited, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(-1, 9999);
  spin->setMaximumWidth(90);
  const std::string name(set.def(i).name);
  QObject::connect(spin, &QSpinBox::valueChanged, spin, [&set, i, name, edited](int v) {
    set.SetIndex(name, v);
    edited(i);
  });
  return {spin, false, [spin, &set, i] {
            const QSignalBlocker block(spin);
            spin->setValue(set.value(i).index);
          }};
}

Field Choice(ParameterSet& set, size_t i, const EditedFn& edited, QWidget* parent) {
  const QStringList items = Items(set.def(i));
  if (items.isEmpty()) return IndexBox(set, i, edited, parent);
  auto* box = new QGroupBox(FieldLabel(set.def(i).label), parent);
  auto* layout = new QGridLayout(box);
  layout->setVerticalSpacing(2);
  auto* group = new QButtonGroup(box);
  const int per_column = items.size() > 4 ? (items.size() + 1) / 2 : items.size();
  for (int k = 0; k < items.size(); ++k) {
    auto* radio = new QRadioButton(items[k], box);
    group->addButton(radio, k);
    layout->addWidget(radio, k % per_column, k / per_column);
  }
  const std::string name(set.def(i).name);
  QObject::connect(group, &QButtonGroup::idClicked, box, [&set, i, name, edited](int id) {
    set.SetIndex(name, id);
    edited(i);
  });
  return {box, true, [group, &set, i] {
            const int index = set.value(i).index;
            if (QAbstractButton* button = group->button(index)) {
              button->setChecked(true);
              return;
            }
            // No item chosen (-1): an exclusive group cannot show that directly.
            group->setExclusive(false);
            for (QAbstractButton* button : group->buttons()) button->setChecked(false);
            group->setExclusive(true);
          }};
}

Field List(ParameterSet& set, size_t i, const EditedFn& edited, QWidget* parent) {
  const QStringList items = Items(set.def(i));
  if (items.isEmpty()) return IndexBox(set, i, edited, parent);
  auto* combo = new QComboBox(parent);
  combo->addItems(items);
  const std::string name(set.def(i).name);
  QObject::connect(combo, &QComboBox::activated, combo, [&set, i, name, edited](int index) {
    set.SetIndex(name, index);
    edited(i);
  });
  return {combo, false, [combo, &set, i] {
            const QSignalBlocker block(combo);
            combo->setCurrentIndex(set.value(i).index);
          }};
}

Field Slider(ParameterSet& set, size_t i, const EditedFn& edited, QWidget* parent) {
  auto* holder = new QWidget(parent);
  auto* layout = new QHBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QScrollBar(Qt::Horizontal, holder);
  bar->setObjectName(FromCore(std::string(set.def(i).name)));
  holder->setObjectName(bar->objectName() + "Box");
  bar->setRange(set.def(i).min, set.def(i).max);
  bar->setPageStep(1);
  bar->setMinimumWidth(120);
  auto* shown = new QLabel(holder);
  shown->setMinimumWidth(20);
  layout->addWidget(bar);
  layout->addWidget(shown);
  const std::string name(set.def(i).name);
  QObject::connect(bar, &QScrollBar::valueChanged, bar, [&set, i, name, edited, shown](int v) {
    set.SetIndex(name, v);
    shown->setNum(v);
    edited(i);
  });
  return {holder, false, [bar, shown, &set, i] {
            const QSignalBlocker block(bar);
            bar->setValue(set.value(i).index);
            shown->setNum(bar->value());
          }};
}

Field GridTable(ParameterSet& set, size_t i, const EditedFn& edited, QWidget* parent) {
  auto* table = new QTableWidget(parent);
  table->setMinimumHeight(110);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  const std::string name(set.def(i).name);
  QObject::connect(table, &QTableWidget::cellChanged, table,
                   [&set, i, name, edited, table](int row, int col) {
                     Grid grid = set.value(i).grid;
                     if (row >= grid.rows || col >= grid.cols) return;
                     grid.cells[static_cast<size_t>(row * grid.cols + col)] =
                         ToCore(table->item(row, col)->text());
                     set.SetGrid(name, std::move(grid));
                     edited(i);
                   });
  return {table, false, [table, &set, i] {
            const QSignalBlocker block(table);
            const Grid& grid = set.value(i).grid;
            table->setRowCount(grid.rows);
            table->setColumnCount(grid.cols);
            for (int r = 0; r < grid.rows; ++r) {
              for (int c = 0; c < grid.cols; ++c) {
                table->setItem(r, c, new QTableWidgetItem(FromCore(grid.cell(c, r))));
              }
            }
          }};
}

}  // namespace

QString FieldLabel(std::string_view label) {
  QString text = FromCore(std::string(label));
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

Field MakeField(ParameterSet& set, size_t index, const EditedFn& edited, QWidget* parent) {
  Field field;
  switch (set.def(index).kind) {
    case ParamKind::kNumber:
    case ParamKind::kInteger:
    case ParamKind::kText:
      field = Entry(set, index, edited, parent);
      break;
    case ParamKind::kSwitch:
      field = Switch(set, index, edited, parent);
      break;
    case ParamKind::kChoice:
      field = Choice(set, index, edited, parent);
      break;
    case ParamKind::kList:
      field = List(set, index, edited, parent);
      break;
    case ParamKind::kSlider:
      field = Slider(set, index, edited, parent);
      break;
    case ParamKind::kToggle:
      field = Toggle(set, index, edited, parent);
      break;
    case ParamKind::kGrid:
      field = GridTable(set, index, edited, parent);
      break;
  }
  const QString name = FromCore(std::string(set.def(index).name));
  if (field.widget->objectName().isEmpty()) field.widget->setObjectName(name);
  field.refresh();
  return field;
}

}  // namespace vermora::app
