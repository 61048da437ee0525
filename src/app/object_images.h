#pragma once

#include <QLabel>
#include <QObject>
#include <QStringList>

namespace vermora::app {

inline constexpr const char* kObjectMime = "application/x-vermora-object";

// A toolbar picture of a predefined object; dragging it carries "object {Name}".
class ObjectImage : public QLabel {
  Q_OBJECT

 public:
  ObjectImage(const QString& image_name, const QString& object_name, QWidget* parent = nullptr);
  QString dragged_text() const { return "object {" + object_ + "}"; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString object_;
};

// The object images in toolbar order: (image name, object name).
QList<QPair<QString, QString>> ObjectImageNames();

// The fields that take a dropped object.
const QStringList& ObjectFieldNames();

// Lets an object field take a dropped object: the drop replaces the whole text and
// reaches the parameter set as an edit would.
class ObjectDrop : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vermora::app
