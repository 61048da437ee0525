#pragma once

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPoint>
#include <QVector3D>
#include <memory>

#include "model_builder.h"
#include "model_drawer.h"

namespace vermora::app {

// The creature drawn at once with OpenGL through the scene's own camera, while
// POV-Ray's picture is still to come. Drag to orbit, drag with the right or
// middle button to pan, the wheel zooms, Home goes back to the scene camera.
class CreatureView : public QOpenGLWidget {
  Q_OBJECT

 public:
  explicit CreatureView(QWidget* parent = nullptr);
  ~CreatureView() override;

  QSize sizeHint() const override { return {420, 330}; }
  QSize minimumSizeHint() const override { return {160, 120}; }

  // Shows a new model; the orbit the user made stays.
  void Show(const BuiltModel& built);
  const BuiltModel& shown() const { return built_; }
  void ResetCamera();
  // The scene's sky, ground and fog behind the creature, or a black ground (quicker).
  void ShowSurroundings(bool shown);
  bool surroundings_shown() const { return surroundings_; }
  // Turns the orbit by these degrees (as a drag would).
  void Orbit(float yaw, float pitch);
  // The matrices the view draws with now; the projection holds all the model
  // seen through `view`, in a viewport of this aspect.
  QMatrix4x4 ViewMatrix() const;
  QMatrix4x4 ProjectionMatrix(const QMatrix4x4& view, double aspect) const;
  // The part of the widget the picture's proportions fill.
  QRect PictureRect() const;

  size_t triangles() const { return drawer_ ? drawer_->triangles() : 0; }
  int frames_drawn() const { return frames_; }
  // The picture is complete: a new model's shadows, which follow its first picture, are drawn.
  bool settled() const { return !drawer_ || !drawer_->shadows_pending(); }
  // Empty while OpenGL runs; otherwise why the view stays empty.
  const QString& failure() const { return failure_; }

 signals:
  void Failed(const QString& why);
  void Drawn();

 protected:
  void initializeGL() override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  BuiltModel built_;
  Bounds bounds_;  // of the model shown, read once rather than every frame
  std::unique_ptr<ModelDrawer> drawer_;
  bool uploaded_ = true;
  QString failure_;
  QPoint last_mouse_;
  float yaw_ = 0, pitch_ = 0, zoom_ = 1;
  QVector3D pan_;
  int frames_ = 0;
  bool surroundings_ = true;
};

// The near and far planes that hold every corner of `bounds` seen through `view`.
std::pair<float, float> DepthRange(const Bounds& bounds, const QMatrix4x4& view);

}  // namespace vermora::app
