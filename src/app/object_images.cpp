#include "object_images.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace vermora::app {
namespace {

QPixmap Picture(const QString& object) {
  QPixmap pixmap(26, 26);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient shade(QPointF(9, 8), 18);
  shade.setColorAt(0, QColor(255, 246, 226));
  shade.setColorAt(1, QColor(176, 112, 56));
  p.setBrush(shade);
  p.setPen(QPen(QColor(90, 60, 30), 1));
  if (object == "Bol") {
    p.drawEllipse(QRectF(3, 3, 20, 20));
  } else if (object == "Doos") {
    p.drawRect(QRectF(5, 5, 16, 16));
  } else if (object == "Cone") {
    p.drawPolygon(QPolygonF({QPointF(13, 3), QPointF(23, 23), QPointF(3, 23)}));
  } else if (object == "FanCyl") {
    p.drawRect(QRectF(8, 3, 10, 20));
  } else if (object == "Torus") {
    QPainterPath ring;
    ring.addEllipse(QRectF(2, 7, 22, 12));
    ring.addEllipse(QRectF(8, 11, 10, 4));
    p.drawPath(ring);
  } else if (object == "Ear") {
    p.drawEllipse(QRectF(7, 2, 12, 22));
  } else if (object == "BallDisk") {
    p.drawEllipse(QRectF(2, 15, 22, 7));
    p.drawEllipse(QRectF(7, 4, 12, 12));
  } else {  // the spikes, told apart by their number
    p.drawPolygon(QPolygonF({QPointF(13, 2), QPointF(18, 24), QPointF(8, 24)}));
    p.setPen(QColor(40, 30, 20));
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    p.drawText(QRectF(14, 14, 12, 12), Qt::AlignCenter, object.right(1));
  }
  return pixmap;
}

}  // namespace

QList<QPair<QString, QString>> ObjectImageNames() {
  return {{"ImBol", "Bol"},       {"ImDoos", "Doos"},   {"ImCone", "Cone"},
          {"ImFanCyl", "FanCyl"}, {"ImTorus", "Torus"}, {"ImSpik", "Spik1"},
          {"ImSpik2", "Spik2"},   {"ImSpik3", "Spik3"}, {"ImSpik4", "Spik4"},
          {"imSpik6", "Spik6"},   {"ImEar", "Ear"},     {"ImBallDisk", "BallDisk"}};
}

const QStringList& ObjectFieldNames() {
  static const QStringList names = {"edJSegm",         "edJSegm2",     "edRSegm",
                                    "edRSegm2",        "edDSSegm",     "edDSSegm2",
                                    "edFWSegm",        "edFWSegm2",    "edTDSegm",
                                    "edTDSegm2",       "EdPredBranch", "EdPredBase",
                                    "EdPredTop",       "EdTopHart",    "edCoat",
                                    "edHObj",          "edCHusk",      "edCTopHart",
                                    "edSideObject",    "EdPWN",        "EdWPN",
                                    "edPredRec",       "EdTentName",   "edTail",
                                    "EdTrHead",        "EdTrLink",     "edSWPred",
                                    "EdTank1",         "EdTank2",      "EdTank3",
                                    "EdTank4",         "EdTank5",      "EdTank6",
                                    "EdTank7",         "EdTank8",      "EdTank9",
                                    "EdRSegment",      "edRSegment2",  "EdRPredefWormName",
                                    "EdRWormPredName", "EdRPredBase",  "EdRPredTop",
                                    "EdRPredTopHart"};
  return names;
}

ObjectImage::ObjectImage(const QString& image_name, const QString& object_name, QWidget* parent)
    : QLabel(parent), object_(object_name) {
  setObjectName(image_name);
  setPixmap(Picture(object_name));
  setCursor(Qt::OpenHandCursor);
  setToolTip(" DragDrop " + (object_name == "FanCyl" ? QString("Cylinder") : object_name) + " ");
  setContentsMargins(2, 0, 2, 0);
}

void ObjectImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  auto* mime = new QMimeData;
  mime->setData(kObjectMime, dragged_text().toLatin1());
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  drag->setPixmap(pixmap());
  drag->exec(Qt::CopyAction);
}

bool ObjectDrop::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (!drag->mimeData()->hasFormat(kObjectMime)) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!drop->mimeData()->hasFormat(kObjectMime)) return false;
      const QString text = QString::fromLatin1(drop->mimeData()->data(kObjectMime));
      edit->setText(text);
      emit edit->textEdited(text);  // the binding writes it into the set
      drop->acceptProposedAction();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vermora::app
