#include "splash.h"

#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>

namespace vermora::app {

Splash::Splash(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
  setObjectName("Splash");
  setFixedSize(310, 240);
  auto* close = new QPushButton(this);
  close->setObjectName("SplashButton");
  close->setFlat(true);
  close->setGeometry(155, 0, 155, 240);
  close->setCursor(Qt::PointingHandCursor);
  close->setToolTip("Close");
  close->setStyleSheet("QPushButton { border: none; background: transparent; }");
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void Splash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height());
  sky.setColorAt(0, QColor(24, 32, 64));
  sky.setColorAt(1, QColor(96, 72, 110));
  p.fillRect(rect(), sky);
  // A little worm of shaded balls along a spiral, in the lower left, clear of the texts.
  for (int k = 0; k < 26; ++k) {
    const double t = k / 25.0;
    const double r = 7 + 12 * t;
    const QPointF c(30 + 170 * t, 200 - 85 * t + 12 * std::sin(t * 9));
    QRadialGradient ball(c - QPointF(r / 3, r / 3), r * 1.3);
    ball.setColorAt(0, QColor(255, 244, 220));
    ball.setColorAt(1, QColor(190, 120, 60));
    p.setBrush(ball);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r, r);
  }
  p.setPen(QColor(250, 240, 210));
  QFont title = font();
  title.setPointSize(26);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(0, 14, width() - 14, 44), Qt::AlignRight, "Vermora");
  QFont small = font();
  small.setPointSize(10);
  p.setFont(small);
  p.drawText(QRect(0, 60, width() - 16, 20), Qt::AlignRight, kVersionText);
  p.drawText(QRect(0, height() - 26, width() - 16, 20), Qt::AlignRight, "creatures for POV-Ray");
  p.setPen(QColor(255, 255, 255, 90));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vermora::app
