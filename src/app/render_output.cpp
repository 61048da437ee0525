#include "render_output.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "preview_picture.h"

namespace vermora::app {
namespace {

QPixmap ErrorMark() {
  QPixmap pixmap(56, 56);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(200, 30, 30, 230));
  p.setPen(QPen(Qt::white, 3));
  p.drawEllipse(QRectF(4, 4, 48, 48));
  p.drawLine(QPointF(18, 18), QPointF(38, 38));
  p.drawLine(QPointF(38, 18), QPointF(18, 38));
  return pixmap;
}

}  // namespace

RenderOutput::RenderOutput(QTabWidget* pages, PreviewPicture* preview, QStatusBar* status)
    : QObject(pages), pages_(pages), preview_(preview), status_(status) {
  page_ = new QWidget;
  page_->setObjectName("TabOut");
  auto* layout = new QVBoxLayout(page_);
  memo_ = new QPlainTextEdit(page_);
  memo_->setObjectName("Memo2");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setFont(QFont("Monospace", 9));
  layout->addWidget(memo_);
  pages_->addTab(page_, "Output");
  pages_->setTabVisible(pages_->indexOf(page_), false);

  mark_ = new QLabel(preview_);
  mark_->setObjectName("Image2");
  mark_->setPixmap(ErrorMark());
  mark_->setToolTip("POV-Ray reported an error: see the Output page");
  mark_->setStyleSheet("background: transparent;");
  mark_->adjustSize();
  mark_->hide();
  connect(preview_, &PreviewPicture::Resized, this, [this] {
    mark_->move((preview_->width() - mark_->width()) / 2,
                (preview_->height() - mark_->height()) / 2);
  });
}

void RenderOutput::ShowPicture(const QPixmap& picture) { preview_->ShowPicture(picture); }

void RenderOutput::ShowMessages(const QString& text, bool error, bool to_front) {
  const int out = pages_->indexOf(page_);
  pages_->setTabVisible(out, true);
  memo_->setPlainText(text);
  if (error) {
    MarkError(true);
    if (to_front) pages_->setCurrentIndex(out);
  }
}

void RenderOutput::ShowFailure(const QString& text) {
  status_->showMessage(text);
  ShowMessages(text, true);
}

void RenderOutput::MarkError(bool shown) {
  mark_->setVisible(shown);
  if (shown) mark_->raise();
}

}  // namespace vermora::app
