#include "recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "window_keys.h"

namespace vermora::app {
RecentFiles::RecentFiles(QMenu* menu, std::function<bool(const QString&)> open, QObject* parent)
    : QObject(parent), menu_(menu), open_(std::move(open)) {
  menu_->setObjectName("RecentFiles");
  Rebuild();
}

QStringList RecentFiles::paths() const {
  return QSettings(kSettingsOrg, kSettingsApp).value(kRecentFilesKey).toStringList();
}

void RecentFiles::Add(const QString& path) {
  const QString whole = QFileInfo(path).absoluteFilePath();
  QStringList list = paths();
  list.removeAll(whole);
  list.prepend(whole);
  while (list.size() > kMost) list.removeLast();
  Store(list);
}

void RecentFiles::Store(const QStringList& list) {
  QSettings(kSettingsOrg, kSettingsApp).setValue(kRecentFilesKey, list);
  Rebuild();
}

void RecentFiles::Rebuild() {
  menu_->clear();
  const QStringList list = paths();
  for (int i = 0; i < list.size(); ++i) {
    const QString path = list[i];
    QAction* action =
        menu_->addAction(QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
    connect(action, &QAction::triggered, this, [this, path] {
      if (!QFileInfo::exists(path)) {
        QStringList kept = paths();
        kept.removeAll(path);
        Store(kept);
      }
      open_(path);  // a missing file is told by the opening itself
    });
  }
  menu_->setEnabled(!list.isEmpty());
}

}  // namespace vermora::app
