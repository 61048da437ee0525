#include "lineage_control.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "design.h"
#include "params/param_table.h"
#include "prompts.h"
#include "variation/breeding.h"

namespace vermora::app {
namespace {
// Locked fields are tinted, so the user sees what the engines will not touch.
void MarkLocked(QWidget* widget, bool locked) {
  widget->setProperty("geneLocked", locked);
  widget->setStyleSheet(locked ? "background-color: #ddd6f3;" : "");
}

// The engine a step of the undo history stands for; empty for other steps.
std::string EngineOfStep(const QString& label) {
  if (label == "TabFeaturesRandom") return "random";
  if (label == "TabFeaturesEvolve") return "evolve";
  if (label == "TabFeaturesMutate") return "mutate";
  if (label == "Breeding") return "breed";
  if (label == "Variant") return "variant";
  return {};
}

// A picture saved beside a set file ("NAME.png" or "NAME.bmp"), if any.
QString PictureBeside(const QString& set_path) {
  const QFileInfo info(set_path);
  for (const char* ext : {".png", ".bmp", ".BMP"}) {
    const QString picture = info.path() + "/" + info.completeBaseName() + ext;
    if (QFileInfo::exists(picture)) return picture;
  }
  return {};
}

}  // namespace

LineageControl::LineageControl(Design& design, QTabWidget* side_tabs,
                               const std::vector<Field>& fields, QObject* parent)
    : QObject(parent), design_(design), fields_(fields) {
  AddBreedingButton();
  AddLockMenus(fields);
  AddAncestryRow(side_tabs);
}

void LineageControl::AddLockMenus(const std::vector<Field>& fields) {
  for (const Field& field : fields) {
    QWidget* widget = field.widget;
    if (!widget) continue;
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this, [this, widget](const QPoint& at) {
      QMenu menu(widget);
      AddLockActions(menu, widget->objectName());
      menu.exec(widget->mapToGlobal(at));
    });
  }
}

void LineageControl::AddLockActions(QMenu& menu, const QString& control) {
  const std::string name = ToCore(control);
  const int index = design_.set().Find(name);
  if (index < 0) return;
  const std::string page = LowerAscii(ParamTable()[static_cast<size_t>(index)].page);
  QAction* own = menu.addAction("Locked for the engines");
  own->setObjectName("LockParameter");
  own->setCheckable(true);
  own->setChecked(locks_.IsLocked(static_cast<size_t>(index)));
  connect(own, &QAction::toggled, this, [this, name](bool on) { SetLock(name, on, false); });
  QAction* group = menu.addAction("Lock the page " + FromCore(page));
  group->setObjectName("LockPage");
  group->setCheckable(true);
  group->setChecked(locks_.Holds(page));
  connect(group, &QAction::toggled, this, [this, page](bool on) { SetLock(page, on, true); });
}

void LineageControl::SetLock(const std::string& name, bool on, bool group) {
  if (!on) {
    locks_.Unlock(name);
  } else if (Status s = group ? locks_.LockGroup(name) : locks_.LockName(name); !s.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
  }
  ShowLocks();
  design_.Say(QString(on ? "Locked " : "Unlocked ") + FromCore(name) + " for the engines");
}

void LineageControl::ShowLocks() {
  for (const Field& field : fields_) {
    if (!field.widget) continue;
    const int index = design_.set().Find(ToCore(field.widget->objectName()));
    const bool locked = index >= 0 && locks_.IsLocked(static_cast<size_t>(index));
    if (field.widget->property("geneLocked").toBool() != locked) MarkLocked(field.widget, locked);
  }
}

void LineageControl::LoadLocksFor(const QString& set_path) {
  std::vector<std::string> warnings;
  locks_ = ReadLocksFile(LocksPathFor(ToCore(set_path)), warnings);
  design_.ShowWarnings(warnings);
  ShowLocks();
}

void LineageControl::SaveLocksFor(const QString& set_path) {
  const std::string path = LocksPathFor(ToCore(set_path));
  if (locks_.empty()) {
    QFile::remove(FromCore(path));  // no locks left: no stale side file either
    return;
  }
  if (Status s = WriteLocksFile(path, locks_); !s.ok())
    design_.prompts()->Warning(design_.dialog_parent(), FromCore(s.message()));
}

void LineageControl::AddAncestryRow(QTabWidget* side_tabs) {
  auto* scroll = new QScrollArea(side_tabs);
  scroll->setObjectName("Ancestry");
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ancestry_ = new QWidget;
  auto* row = new QHBoxLayout(ancestry_);
  row->setContentsMargins(2, 2, 2, 2);
  ancestry_note_ = new QLabel(
      "The parents of a set made by Random, Evolve, Mutate or Breed appear here.", ancestry_);
  ancestry_note_->setWordWrap(true);
  row->addWidget(ancestry_note_);
  row->addStretch(1);
  scroll->setWidget(ancestry_);
  side_tabs->addTab(scroll, "Ancestry");
}

void LineageControl::NoteOffspring(const QString& step_label, const QString& parent_file) {
  const std::string engine = EngineOfStep(step_label);
  if (engine.empty()) return;
  std::vector<std::string> parents;
  if (!parent_file.isEmpty() && QFileInfo::exists(parent_file))
    parents.push_back(ToCore(QFileInfo(parent_file).absoluteFilePath()));
  SystemClock clock;
  std::vector<std::string> warnings;
  pending_ = MakeLineage(engine, parents, clock.MillisecondsOfDayUtc(), clock, warnings);
  design_.ShowWarnings(warnings);
}

void LineageControl::LineageSaved(const QString& path) {
  const std::string saved = ToCore(QFileInfo(path).absoluteFilePath());
  const auto& parents = pending_.parents;
  // Saved over its own parent: the file keeps the record it had.
  const bool over_parent = std::find(parents.begin(), parents.end(), saved) != parents.end();
  if (!pending_.engine.empty() && !over_parent) {
    if (Status s = WriteLineageFile(ToCore(path), pending_); !s.ok()) {
      design_.prompts()->Warning(design_.dialog_parent(), FromCore(s.message()));
    }
    pending_ = {};
  }
  ShowAncestry(path);
}

void LineageControl::ShowAncestry(const QString& path) {
  if (!ancestry_) return;
  auto* row = qobject_cast<QHBoxLayout*>(ancestry_->layout());
  while (row->count() > 2) delete row->takeAt(0)->widget();
  std::vector<std::string> warnings;
  const std::vector<std::string> chain = AncestryChain(ToCore(path), warnings);
  design_.ShowWarnings(warnings);
  for (size_t i = 0; i < chain.size(); ++i) {
    const QString ancestor = FromCore(chain[i]);
    auto* button = new QToolButton(ancestry_);
    button->setObjectName(QString("Ancestor%1").arg(i + 1));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setText(QFileInfo(ancestor).completeBaseName());
    button->setToolTip(ancestor);
    if (const QString picture = PictureBeside(ancestor); !picture.isEmpty()) {
      button->setIcon(QIcon(QPixmap(picture).scaled(64, 48, Qt::KeepAspectRatio)));
      button->setIconSize(QSize(64, 48));
    }
    button->setEnabled(QFileInfo::exists(ancestor));
    connect(button, &QToolButton::clicked, this,
            [this, ancestor] { emit AncestorChosen(ancestor); });
    row->insertWidget(row->count() - 2, button);
  }
  ancestry_note_->setVisible(chain.empty());
}

void LineageControl::AddBreedingButton() {
  auto* page = design_.dialog_parent()->findChild<QScrollArea*>("TabFeaturesBreeding");
  auto* stack =
      page && page->widget() ? qobject_cast<QVBoxLayout*>(page->widget()->layout()) : nullptr;
  if (!stack) return;
  auto* breed = new QPushButton("Load in partner and let them have their fun !!!", page->widget());
  breed->setObjectName("SpeedButton2");
  stack->insertWidget(0, breed);
  connect(breed, &QPushButton::clicked, this, &LineageControl::BreedWithPartner);
}

void LineageControl::BreedWithPartner() {
  if (design_.rendering()) return;
  // Cancelling the dialog breeds the design with itself.
  const QString path = design_.prompts()->OpenFile(design_.dialog_parent(), OpenSetTexts());
  EngineOptions options;
  options.program_folder = design_.folder();
  options.locks = &locks_;
  const EngineResult result = path.isEmpty()
                                  ? Breed(design_.set(), ParameterSet(design_.set()), options)
                                  : BreedWithFile(design_.set(), ToCore(path), options);
  design_.RefreshFields();
  design_.ShowWarnings(result.warnings);
  if (!result.status.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(result.status.message()));
    return;
  }
  design_.RecordStep("Breeding");
  design_.Say("A child of the two sets");
}

}  // namespace vermora::app
