#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStatusBar>

#include "main_window.h"
#include "params/param_table.h"

namespace vermora::app {
namespace {

// Locked fields are tinted, so the user sees what the engines will not touch.
void MarkLocked(QWidget* widget, bool locked) {
  widget->setProperty("geneLocked", locked);
  widget->setStyleSheet(locked ? "background-color: #ddd6f3;" : "");
}

}  // namespace

void MainWindow::AddLockMenus() {
  for (const Field& field : fields_) {
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

void MainWindow::AddLockActions(QMenu& menu, const QString& control) {
  const std::string name = ToCore(control);
  const int index = set_.Find(name);
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

void MainWindow::SetLock(const std::string& name, bool on, bool group) {
  if (!on) {
    locks_.Unlock(name);
  } else if (Status s = group ? locks_.LockGroup(name) : locks_.LockName(name); !s.ok()) {
    prompts_->Error(this, FromCore(s.message()));
  }
  ShowLocks();
  statusBar()->showMessage(QString(on ? "Locked " : "Unlocked ") + FromCore(name) + " for the engines");
}

void MainWindow::ShowLocks() {
  for (const Field& field : fields_) {
    if (!field.widget) continue;
    const int index = set_.Find(ToCore(field.widget->objectName()));
    const bool locked = index >= 0 && locks_.IsLocked(static_cast<size_t>(index));
    if (field.widget->property("geneLocked").toBool() != locked) MarkLocked(field.widget, locked);
  }
}

void MainWindow::LoadLocksFor(const QString& set_path) {
  std::vector<std::string> warnings;
  locks_ = ReadLocksFile(LocksPathFor(ToCore(set_path)), warnings);
  ShowWarnings(warnings);
  ShowLocks();
}

void MainWindow::SaveLocksFor(const QString& set_path) {
  const std::string path = LocksPathFor(ToCore(set_path));
  if (locks_.empty()) {
    QFile::remove(FromCore(path));  // no locks left: no stale side file either
    return;
  }
  if (Status s = WriteLocksFile(path, locks_); !s.ok()) prompts_->Warning(this, FromCore(s.message()));
}

}  // namespace vermora::app
