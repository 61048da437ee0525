#pragma once

#include <QMatrix4x4>
#include <QOpenGLBuffer>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>
#include <QSurfaceFormat>
#include <array>
#include <memory>
#include <vector>

#include "ground_pictures.h"
#include "model/scene_model.h"
#include "shadow_maps.h"

namespace vermora::app {

// Draws a scene model with OpenGL, one instanced draw for each kind of
// primitive (and each shape of cone or torus). Every call needs the context it
// was created in to be current.
class ModelDrawer {
 public:
  ModelDrawer();
  ~ModelDrawer();
  ModelDrawer(const ModelDrawer&) = delete;
  ModelDrawer& operator=(const ModelDrawer&) = delete;

  // The OpenGL the shaders need (3.3 core, a depth buffer), and whether a
  // context that was made gives it.
  static QSurfaceFormat SurfaceFormat();
  static bool CanRun(const QSurfaceFormat& got);

  // Compiles the shaders; false (with `error`) when the context cannot run them.
  bool Initialize(QString& error);
  // Replaces what is drawn, with the pictures its grounds show (may be null).
  // Huge models get fewer triangles an object.
  void Upload(const SceneModel& model, const GroundPictures* pictures = nullptr);
  // Draws with the given camera into the current viewport, clearing it first.
  void Draw(const QMatrix4x4& view, const QMatrix4x4& projection);

  // The scene's sky, ground, background colour and fog behind the creature, or
  // a black ground (quicker).
  void ShowSurroundings(bool shown) { surroundings_shown_ = shown; }
  bool surroundings_shown() const { return surroundings_shown_; }

  // With `follow`, the first picture of a model comes without shadows (sooner)
  // and the next one has them: shadows_pending() says that one is still to draw.
  void SetShadowsFollow(bool follow) { shadows_follow_ = follow; }
  bool shadows_pending() const { return !shadows_made_ && drawn_unshadowed_; }

  size_t triangles() const { return triangles_; }
  int detail() const { return detail_; }

  // Segments around each primitive for a model of these instances: as many as
  // keep the whole under the triangle budget, between 4 and 20.
  static int DetailFor(const std::vector<Instance>& instances);

 private:
  struct Group;
  void Release();
  void SetLights(QOpenGLShaderProgram& program, const QMatrix4x4& view);
  QVector3D HazeLight(const QMatrix4x4& view) const;
  void UploadPatterns(const std::vector<Pattern>& patterns);
  void UploadPicture(const QImage& image);

  QOpenGLShaderProgram program_, backdrop_;
  QOpenGLVertexArrayObject backdrop_vao_;
  std::vector<SceneLight> lights_;
  SceneSurroundings surroundings_;
  bool surroundings_shown_ = true;
  GLuint pattern_texture_ = 0;
  int sky_row_ = -1;   // the sky's pattern among the uploaded rows; -1: none
  QMatrix4x4 to_sky_;  // directions to the sky pattern's space
  // Each ground's pattern among the rows (-1: its colour alone), and the map
  // of the world to its space.
  std::array<int, kMaxGrounds> ground_rows_{};
  std::array<QMatrix4x4, kMaxGrounds> to_ground_;
  // The one ground that shows a picture (-1: none), the picture and how it is laid.
  int picture_ground_ = -1;
  bool picture_once_ = true;
  GLuint picture_texture_ = 0;
  ShadowMaps shadows_;
  bool shadows_made_ = false;
  bool shadows_follow_ = false, drawn_unshadowed_ = false;
  Bounds bounds_;  // the patterns' rows (see the fragment shader)
  std::vector<std::unique_ptr<Group>> groups_;
  size_t triangles_ = 0;
  int detail_ = 0;
};

// The scene's camera as Qt matrices; points and colours as Qt vectors.
QMatrix4x4 ToQt(const Mat4& m);
QVector3D Qv(const Vec3& v);
QVector3D Qv(const std::array<float, 3>& c);
QVector3D Qv(const std::array<float, 4>& c);

}  // namespace vermora::app
