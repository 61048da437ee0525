#include "ground_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

#include "prompts.h"

namespace vermora::app {

namespace {

// The longest side the view keeps: enough for a window's backdrop.
constexpr int kLongestSide = 2048;
// A file bigger than this is no background picture the view reads.
constexpr qint64 kLargestFile = 256ll << 20;

QImage ReadPicture(const QString& path) {
  // A set may come from anyone: only a plain file is read (no device, no pipe
  // that would keep the reader waiting), and not a huge one.
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > kLargestFile) return {};
  QImageReader reader(path);
  reader.setAutoTransform(false);  // as the renderer lays it: rows as stored
  QSize size = reader.size();
  if (size.isValid() && std::max(size.width(), size.height()) > kLongestSide) {
    size.scale(kLongestSide, kLongestSide, Qt::KeepAspectRatio);
    reader.setScaledSize(size);
  }
  QImage image = reader.read();
  if (image.isNull()) return {};
  if (std::max(image.width(), image.height()) > kLongestSide)
    image = image.scaled(kLongestSide, kLongestSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return image.convertToFormat(QImage::Format_RGBA8888);
}

}  // namespace

GroundPictures ReadGroundPictures(const SceneModel& model, const std::string& folder) {
  GroundPictures pictures;
  for (const SceneSurroundings::Ground& ground : model.surroundings.grounds) {
    if (ground.pattern < 0 || ground.pattern >= static_cast<int>(model.patterns.size())) continue;
    const Pattern& pattern = model.patterns[static_cast<size_t>(ground.pattern)];
    if (pattern.kind != PatternKind::kPicture || pictures.images.count(ground.pattern)) continue;
    const QString name = FromCore(pattern.picture);
    const QString path = QDir(FromCore(folder)).filePath(name);  // an absolute name stays
    QImage image = ReadPicture(path);
    if (image.isNull()) {
      if (pictures.unread.isEmpty()) pictures.unread = name;
      continue;
    }
    pictures.images.emplace(ground.pattern, std::move(image));
  }
  return pictures;
}

}  // namespace vermora::app
