#include "look_helpers.h"

#include <QBoxLayout>
#include <QColorDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

namespace vermora::app {
namespace {

// The form row of `form` whose field item is or holds `field`, or -1.
int RowOf(QFormLayout* form, QWidget* field) {
  for (int row = 0; row < form->rowCount(); ++row) {
    for (auto role : {QFormLayout::FieldRole, QFormLayout::SpanningRole}) {
      QLayoutItem* item = form->itemAt(row, role);
      if (!item) continue;
      if (item->widget() == field) return row;
      if (item->layout() && item->layout()->indexOf(field) >= 0) return row;
    }
  }
  return -1;
}

QFormLayout* FormOf(QWidget* field, int& row) {
  row = -1;
  if (!field || !field->parentWidget()) return nullptr;
  for (QFormLayout* form : field->parentWidget()->findChildren<QFormLayout*>()) {
    row = RowOf(form, field);
    if (row >= 0) return form;
  }
  return nullptr;
}

}  // namespace

std::optional<QColor> SystemColourDialog::Choose(QWidget* parent, const QColor& start) {
  static QColor last = Qt::white;
  const QColor chosen = QColorDialog::getColor(start.isValid() ? start : last, parent);
  if (!chosen.isValid()) return std::nullopt;
  last = chosen;
  return chosen;
}

Swatch::Swatch(const QString& name, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  setFrameShape(QFrame::Box);
  setFixedSize(28, 18);
  setAutoFillBackground(true);
  SetColour(Qt::white);
}

void Swatch::SetColour(const QColor& colour) {
  colour_ = colour;
  QPalette p = palette();
  p.setColor(QPalette::Window, colour);
  setPalette(p);
  setToolTip(QString("%1, %2, %3").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
}

QColor FromPacked(int packed) {
  return QColor(packed & 0xff, (packed >> 8) & 0xff, (packed >> 16) & 0xff);
}

int ToPacked(const QColor& colour) {
  return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

FileDialogTexts DialogTexts(const FileDialogText& text) {
  const QStringList parts = FromCore(std::string(text.filter)).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace("*.*", "*");
    filters << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + pattern + ")");
  }
  return {FromCore(std::string(text.title)), FromCore(std::string(text.default_extension)),
          FromCore(std::string(text.file_name)), filters.join(";;")};
}

void ResizeWithinScreen(QWidget* window, QSize wanted) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen) wanted = wanted.boundedTo(screen->availableGeometry().size() * 0.92);
  window->resize(wanted);
}

QVBoxLayout* PageTop(QWidget* page) {
  auto* scroll = qobject_cast<QScrollArea*>(page);
  if (!scroll || !scroll->widget()) return nullptr;
  return qobject_cast<QVBoxLayout*>(scroll->widget()->layout());
}

void SetRowShown(QWidget* field, bool shown) {
  int row = -1;
  if (QFormLayout* form = FormOf(field, row))
    form->setRowVisible(row, shown);
  else if (field)
    field->setVisible(shown);
}

bool AddBesideField(QWidget* field, QWidget* extra) {
  int row = -1;
  QFormLayout* form = FormOf(field, row);
  if (!form) return false;
  QLayoutItem* item = form->itemAt(row, QFormLayout::FieldRole);
  if (auto* line = item ? qobject_cast<QBoxLayout*>(item->layout()) : nullptr) {
    line->addWidget(extra);
    return true;
  }
  // A field alone in its row: put it and the extra on one line of their own.
  auto* line = new QHBoxLayout;
  form->removeWidget(field);
  line->addWidget(field);
  line->addWidget(extra);
  form->setLayout(row, QFormLayout::FieldRole, line);
  return true;
}

QString MissingFileMessage(const QString& path) {
  return "The file \"" + path + "\" does not exist; nothing was changed";
}

}  // namespace vermora::app
