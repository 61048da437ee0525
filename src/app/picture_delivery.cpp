#include "picture_delivery.h"

#include <QFile>
#include <QFileInfo>

#include "picture/png_set_chunk.h"
#include "prompts.h"

namespace vermora::app {

QString DeliverPicture(const std::string& image_path, const std::string& set_text,
                       const QString& target) {
  if (QFileInfo(target).suffix().toLower() == "png") {
    if (Status s = EmbedSetInPng(image_path, set_text); !s.ok()) return FromCore(s.message());
  }
  QFile::remove(target + ".part");
  if (!QFile::copy(FromCore(image_path), target + ".part") ||
      (QFile::exists(target) && !QFile::remove(target)) ||
      !QFile::rename(target + ".part", target)) {
    QFile::remove(target + ".part");
    return "Cannot write " + target;
  }
  return {};
}

}  // namespace vermora::app
