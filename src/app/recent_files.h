#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

namespace vermora::app {

// File > Recent files: the sets and pictures last opened or saved, newest
// first, kept in the settings; a missing file is dropped when it is chosen.
class RecentFiles : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMost = 8;
  RecentFiles(QMenu* menu, std::function<bool(const QString&)> open, QObject* parent);

  void Add(const QString& path);
  QStringList paths() const;

 private:
  // Keeps `list` in the settings and shows it in the menu.
  void Store(const QStringList& list);
  void Rebuild();

  QMenu* menu_;
  std::function<bool(const QString&)> open_;
};

}  // namespace vermora::app
