#include "stop_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vermora::app {

StopBox::StopBox(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("Form3");
  setWindowTitle("Animation");
  setFixedSize(240, 76);
  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  bevel->setGeometry(4, 4, 232, 68);
  auto* column = new QVBoxLayout(bevel);
  column->setContentsMargins(6, 4, 6, 4);
  text_ = new QLabel(bevel);
  text_->setObjectName("StopBoxText");
  text_->setAlignment(Qt::AlignCenter);
  button_ = new QPushButton("Stop rendering", bevel);
  button_->setObjectName("Button1");
  column->addWidget(text_);
  column->addWidget(button_);
  connect(button_, &QPushButton::clicked, this, &StopBox::StopClicked);
}

void StopBox::ShowCaption(const QString& caption) {
  setWindowTitle(caption);
  text_->setText(caption);
  if (!isVisible()) show();
  raise();
  repaint();
}

}  // namespace vermora::app
