#include "full_screen_picture.h"

#include <QKeySequence>
#include <QShortcut>

#include "preview_picture.h"

namespace vermora::app {

void ToggleFullScreenPicture(PreviewPicture* source, QWidget* window) {
  if (auto* open = window->findChild<PreviewPicture*>("FullScreenPicture")) {
    open->close();
    return;
  }
  auto* full = new PreviewPicture(window);
  full->setObjectName("FullScreenPicture");
  full->setWindowFlag(Qt::Window);
  full->setAttribute(Qt::WA_DeleteOnClose);
  full->setWindowTitle("Vermora picture");
  full->setText("No picture yet: F5 renders one");
  if (!source->pixmap().isNull()) full->setPixmap(source->pixmap());
  QObject::connect(source, &PreviewPicture::PictureChanged, full, &PreviewPicture::setPixmap);
  for (const QKeySequence& key : {QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_Escape)}) {
    QObject::connect(new QShortcut(key, full), &QShortcut::activated, full, &QWidget::close);
  }
  full->showFullScreen();
}

}  // namespace vermora::app
