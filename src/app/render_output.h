#pragma once

#include <QObject>

class QLabel;
class QPixmap;
class QPlainTextEdit;
class QStatusBar;
class QTabWidget;

namespace vermora::app {

class PreviewPicture;

// Where a render's results appear: the picture in the preview, POV-Ray's
// messages on the Output page (hidden until the first render), and the red
// mark over the picture when POV-Ray reported an error.
class RenderOutput : public QObject {
  Q_OBJECT

 public:
  // Adds the Output page as the last page of `pages` and the mark over `preview`.
  RenderOutput(QTabWidget* pages, PreviewPicture* preview, QStatusBar* status);

  QWidget* page() const { return page_; }
  PreviewPicture* preview() const { return preview_; }

  void ShowPicture(const QPixmap& picture);
  // The messages on the Output page; an error also marks the picture and, with
  // `to_front`, brings the Output page forward.
  void ShowMessages(const QString& text, bool error, bool to_front = true);
  // A failure on the status bar and on the Output page.
  void ShowFailure(const QString& text);
  void MarkError(bool shown);

 private:
  QTabWidget* pages_;
  PreviewPicture* preview_;
  QStatusBar* status_;
  QWidget* page_ = nullptr;         // TabOut
  QPlainTextEdit* memo_ = nullptr;  // Memo2
  QLabel* mark_ = nullptr;          // Image2
};

}  // namespace vermora::app
