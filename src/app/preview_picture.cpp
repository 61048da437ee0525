#include "preview_picture.h"

#include <QPainter>

namespace vermora::app {

PreviewPicture::PreviewPicture(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  QPalette ground = palette();
  ground.setColor(QPalette::Window, QColor(32, 32, 32));
  ground.setColor(QPalette::WindowText, QColor(160, 160, 160));
  setPalette(ground);
}

QSize PreviewPicture::FittingSize(int w, int h) const {
  if (w <= 0 || h <= 0) return size();
  return QSize(w, h).scaled(size(), Qt::KeepAspectRatio);
}

void PreviewPicture::ShowPicture(const QPixmap& picture) {
  setPixmap(picture);
  emit PictureChanged(picture);
}

void PreviewPicture::paintEvent(QPaintEvent* event) {
  const QPixmap picture = pixmap();
  if (picture.isNull()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QRect target(QPoint(), FittingSize(picture.width(), picture.height()));
  target.moveCenter(rect().center());
  p.drawPixmap(target, picture);
}

void PreviewPicture::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  emit Resized();
}

}  // namespace vermora::app
