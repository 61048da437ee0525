#pragma once

#include <QLabel>

namespace vermora::app {

// The rendered picture: as large as its pane allows, keeping the picture's aspect,
// centred on a dark ground. pixmap() is the picture as rendered.
class PreviewPicture : public QLabel {
  Q_OBJECT

 public:
  explicit PreviewPicture(QWidget* parent = nullptr);

  QSize sizeHint() const override { return {420, 330}; }
  QSize minimumSizeHint() const override { return {160, 120}; }
  // The largest size of the aspect w:h that fits the pane.
  QSize FittingSize(int w, int h) const;
  // Shows a new picture and tells those who show it too.
  void ShowPicture(const QPixmap& picture);

 signals:
  void Resized();
  void PictureChanged(const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace vermora::app
