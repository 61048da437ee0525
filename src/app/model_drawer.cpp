#include "model_drawer.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <algorithm>
#include <cmath>
#include <map>

#include "model_shaders.h"

namespace vermora::app {

namespace {

constexpr size_t kTriangleBudget = 400'000;
// The texture units: the patterns' rows at 0, the shadows from 1, a ground's picture here.
constexpr int kPictureUnit = 3;

size_t MeshTriangles(Primitive kind, int detail) {
  switch (kind) {
    case Primitive::Sphere:
      return static_cast<size_t>(detail) * detail;
    case Primitive::Torus:
      return static_cast<size_t>(detail) * detail;
    case Primitive::Cylinder:
    case Primitive::Cone:
      return 4u * detail;
    default:
      return 12;
  }
}

// Cones and tori of nearly the same shape share one mesh.
float ShapeKey(const Instance& instance) {
  if (instance.kind != Primitive::Cone && instance.kind != Primitive::Torus) return 0;
  return std::round(instance.shape * 40.0f) / 40.0f;
}

}  // namespace

struct ModelDrawer::Group {
  QOpenGLVertexArrayObject vao;
  QOpenGLBuffer vertices{QOpenGLBuffer::VertexBuffer};
  QOpenGLBuffer indices{QOpenGLBuffer::IndexBuffer};
  QOpenGLBuffer instances{QOpenGLBuffer::VertexBuffer};
  GLsizei index_count = 0;
  GLsizei instance_count = 0;
  bool clear = false;  // filtered or transmitting: drawn over the rest
};

QVector3D Qv(const Vec3& v) {
  return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

QVector3D Qv(const std::array<float, 3>& c) { return {c[0], c[1], c[2]}; }
QVector3D Qv(const std::array<float, 4>& c) { return {c[0], c[1], c[2]}; }

namespace {

// What a scene of gamma 2.2 writes to its picture for a value it worked out:
// the value read as gamma 2.2, written as sRGB (nearly itself, but for the darkest).
float Encoded(float c) {
  c = std::pow(std::clamp(c, 0.0f, 1.0f), 2.2f);
  return c <= 0.0031308f ? 12.92f * c : 1.055f * std::pow(c, 1 / 2.4f) - 0.055f;
}

}  // namespace

QMatrix4x4 ToQt(const Mat4& m) {
  QMatrix4x4 q;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) q(row, column) = static_cast<float>(m(row, column));
  }
  return q;
}

QSurfaceFormat ModelDrawer::SurfaceFormat() {
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(24);
  return format;
}

bool ModelDrawer::CanRun(const QSurfaceFormat& got) {
  return got.majorVersion() > 3 || (got.majorVersion() == 3 && got.minorVersion() >= 3);
}

ModelDrawer::ModelDrawer() = default;
ModelDrawer::~ModelDrawer() {
  Release();
  if (QOpenGLContext* context = QOpenGLContext::currentContext()) {
    for (GLuint* texture : {&pattern_texture_, &picture_texture_}) {
      if (*texture) context->extraFunctions()->glDeleteTextures(1, texture);
    }
  }
}

bool ModelDrawer::Initialize(QString& error) {
  auto build = [&](QOpenGLShaderProgram& program, const char* vertex, const char* head,
                   const char* main) {
    const QByteArray fragment = QByteArray(head) + shaders::kSceneLight + main;
    if (program.addShaderFromSourceCode(QOpenGLShader::Vertex, vertex) &&
        program.addShaderFromSourceCode(QOpenGLShader::Fragment, fragment) && program.link()) {
      return true;
    }
    error = program.log();
    return false;
  };
  if (!build(program_, shaders::kVertex, shaders::kFragmentHead, shaders::kFragmentMain) ||
      !build(backdrop_, shaders::kBackdropVertex, shaders::kBackdropHead, shaders::kBackdropMain)) {
    return false;
  }
  backdrop_vao_.create();  // the core profile draws nothing without one
  return shadows_.Initialize(error);
}

void ModelDrawer::Release() {
  groups_.clear();
  triangles_ = 0;
  lights_.clear();
  surroundings_ = {};
  sky_row_ = -1;
  ground_rows_.fill(-1);
  picture_ground_ = -1;
}

int ModelDrawer::DetailFor(const std::vector<Instance>& instances) {
  std::map<Primitive, size_t> counts;
  for (const Instance& i : instances) ++counts[i.kind];
  for (int detail = 20; detail > 4; detail -= 2) {
    size_t total = 0;
    for (const auto& [kind, count] : counts) total += count * MeshTriangles(kind, detail);
    if (total <= kTriangleBudget) return detail;
  }
  return 4;
}

void ModelDrawer::Upload(const SceneModel& model, const GroundPictures* pictures) {
  Release();
  lights_ = model.lights;
  surroundings_ = model.surroundings;
  bounds_ = model.bounds();
  shadows_made_ = false;
  drawn_unshadowed_ = false;
  detail_ = DetailFor(model.instances);
  // Opaque groups first; the see-through ones after them, farthest from the
  // scene's camera first, so what lies behind them is there to show through.
  std::map<std::tuple<bool, Primitive, float>, std::vector<const Instance*>> sorted;
  const Vec3 eye = model.camera.location;
  auto distance = [&](const Instance* i) {
    const Vec3 d{i->transform(0, 3) - eye.x, i->transform(1, 3) - eye.y,
                 i->transform(2, 3) - eye.z};
    return d.x * d.x + d.y * d.y + d.z * d.z;
  };
  // A texture of the patterns' rows holds so many; objects of patterns past
  // them show their maps' mean colour.
  constexpr size_t kMaxPatterns = 4096;
  std::vector<bool> clear_pattern;
  for (const Pattern& p : model.patterns) {
    if (clear_pattern.size() == kMaxPatterns) break;
    clear_pattern.push_back(std::any_of(p.map.begin(), p.map.end(), [](const Pattern::Stop& s) {
      return s.colour[3] + s.colour[4] > 0.001f;
    }));
  }
  std::vector<Pattern> rows(model.patterns.begin(), model.patterns.begin() + clear_pattern.size());
  // The sky's and the grounds' patterns, in rows of their own past the
  // objects' when they fill them.
  auto row_of = [&](int pattern) {
    if (pattern < 0 || pattern >= static_cast<int>(model.patterns.size()) ||
        model.patterns[static_cast<size_t>(pattern)].map.empty())
      return -1;
    if (pattern < static_cast<int>(rows.size())) return pattern;
    rows.push_back(model.patterns[static_cast<size_t>(pattern)]);
    return static_cast<int>(rows.size()) - 1;
  };
  sky_row_ = row_of(model.surroundings.sky_pattern);
  to_sky_ = ToQt(AffineInverse(model.surroundings.sky_frame));
  const auto& grounds = model.surroundings.grounds;
  for (size_t i = 0; i < grounds.size() && i < kMaxGrounds; ++i) {
    const SceneSurroundings::Ground& g = grounds[i];
    to_ground_[i] = ToQt(AffineInverse(g.pattern_frame));
    ground_rows_[i] = row_of(g.pattern);
    if (!pictures || picture_ground_ >= 0) continue;
    if (const auto picture = pictures->images.find(g.pattern); picture != pictures->images.end()) {
      picture_ground_ = static_cast<int>(i);
      picture_once_ = model.patterns[static_cast<size_t>(g.pattern)].once;
      UploadPicture(picture->second);
    }
  }
  UploadPatterns(rows);
  for (const Instance& instance : model.instances) {
    const bool patterned =
        instance.pattern >= 0 && instance.pattern < static_cast<int>(clear_pattern.size());
    const bool clear = patterned ? clear_pattern[instance.pattern]
                                 : instance.colour[3] + instance.transmit > 0.001f;
    sorted[{clear, instance.kind, ShapeKey(instance)}].push_back(&instance);
  }
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  for (auto& [key, members] : sorted) {
    const auto [clear, kind, shape] = key;
    if (clear) {
      std::stable_sort(members.begin(), members.end(), [&](const Instance* a, const Instance* b) {
        return distance(a) > distance(b);
      });
    }
    const Mesh mesh = UnitMesh(kind, shape, detail_);
    if (mesh.indices.empty()) continue;
    auto group = std::make_unique<Group>();
    group->vao.create();
    group->vao.bind();
    std::vector<float> vertices;
    vertices.reserve(mesh.positions.size() * 2);
    for (size_t v = 0; v + 2 < mesh.positions.size(); v += 3) {
      vertices.insert(vertices.end(), mesh.positions.begin() + v, mesh.positions.begin() + v + 3);
      vertices.insert(vertices.end(), mesh.normals.begin() + v, mesh.normals.begin() + v + 3);
    }
    group->vertices.create();
    group->vertices.bind();
    group->vertices.allocate(vertices.data(), static_cast<int>(vertices.size() * sizeof(float)));
    gl->glEnableVertexAttribArray(0);
    gl->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 6 * sizeof(float), nullptr);
    gl->glEnableVertexAttribArray(1);
    gl->glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 6 * sizeof(float),
                              reinterpret_cast<void*>(3 * sizeof(float)));
    group->indices.create();
    group->indices.bind();
    group->indices.allocate(mesh.indices.data(),
                            static_cast<int>(mesh.indices.size() * sizeof(uint32_t)));
    group->index_count = static_cast<GLsizei>(mesh.indices.size());

    // 16 floats of matrix, 10 of the normals' matrix and the pattern's row, 4
    // of colour, 12 of the finish (transmit first), 12 of the world's map to
    // the pattern's space.
    constexpr int kStride = 54;
    std::vector<float> data;
    data.reserve(members.size() * kStride);
    for (const Instance* instance : members) {
      const QMatrix4x4 m = ToQt(instance->transform);
      data.insert(data.end(), m.constData(), m.constData() + 16);
      const QMatrix3x3 n = m.normalMatrix();
      const bool marked = instance->kind == Primitive::StandIn;
      const bool patterned = !marked && instance->pattern >= 0 &&
                             instance->pattern < static_cast<int>(clear_pattern.size());
      data.insert(data.end(), n.constData(), n.constData() + 3);
      data.push_back(patterned ? static_cast<float>(instance->pattern) : -1.0f);
      data.insert(data.end(), n.constData() + 3, n.constData() + 9);
      for (int c = 0; c < 3; ++c)
        data.push_back(marked ? (c == 1 ? 0.2f : 1.0f) : instance->colour[c]);
      const Surface& f = marked ? Surface{} : instance->surface;
      const float filter = marked ? 0 : std::clamp(instance->colour[3], 0.0f, 1.0f);
      const float transmit = marked ? 0 : std::clamp(instance->transmit, 0.0f, 1.0f);
      // The reflection in 255ths, and in the fraction how far it takes the colour.
      const Surface::Mirror on =
          f.MirrorOn({instance->colour[0], instance->colour[1], instance->colour[2]});
      const float mirror =
          on.amount > 0 ? std::round(on.amount * 255) + std::min(on.tint, 0.999f) : 0;
      data.insert(data.end(),
                  {filter, transmit, f.diffuse, f.brilliance, f.specular, f.roughness, f.phong,
                   f.phong_size, f.metallic, mirror, f.ambient[0], f.ambient[1], f.ambient[2]});
      const Mat4 to_pattern = patterned ? AffineInverse(instance->pattern_frame) : Mat4{};
      for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
          data.push_back(static_cast<float>(to_pattern(row, column)));
      }
    }
    group->instances.create();
    group->instances.bind();
    group->instances.allocate(data.data(), static_cast<int>(data.size() * sizeof(float)));
    const int stride = kStride * sizeof(float);
    auto attribute = [&](GLuint location, int size, int offset) {
      gl->glEnableVertexAttribArray(location);
      gl->glVertexAttribPointer(
          location, size, GL_FLOAT, GL_FALSE, stride,
          reinterpret_cast<void*>(static_cast<size_t>(offset) * sizeof(float)));
      gl->glVertexAttribDivisor(location, 1);
    };
    for (GLuint c = 0; c < 4; ++c) attribute(2 + c, 4, static_cast<int>(c) * 4);
    attribute(6, 4, 16);
    attribute(7, 3, 20);
    attribute(8, 3, 23);
    for (GLuint c = 0; c < 4; ++c) attribute(9 + c, 4, 26 + static_cast<int>(c) * 4);
    for (GLuint c = 0; c < 3; ++c) attribute(13 + c, 4, 42 + static_cast<int>(c) * 4);
    group->clear = clear;
    group->instance_count = static_cast<GLsizei>(members.size());
    group->vao.release();
    triangles_ += static_cast<size_t>(group->index_count / 3) * members.size();
    groups_.push_back(std::move(group));
  }
}

void ModelDrawer::UploadPatterns(const std::vector<Pattern>& patterns) {
  constexpr int kWidth = 2 + 2 * static_cast<int>(kMaxPatternStops);
  const int rows = static_cast<int>(std::max<size_t>(patterns.size(), 1));
  std::vector<float> texels(static_cast<size_t>(kWidth * rows * 4), 0.0f);
  for (size_t row = 0; row < patterns.size(); ++row) {
    const Pattern& p = patterns[row];
    float* at = &texels[row * kWidth * 4];
    const size_t stops = std::min(p.map.size(), kMaxPatternStops);
    at[0] = static_cast<float>(p.kind);
    at[1] = p.turbulence;
    at[2] = static_cast<float>(stops);
    at[3] = p.triangle_wave ? 1.0f : 0.0f;
    at[4] = static_cast<float>(p.axis.x);
    at[5] = static_cast<float>(p.axis.y);
    at[6] = static_cast<float>(p.axis.z);
    for (size_t i = 0; i < stops; ++i) {
      std::copy_n(p.map[i].colour.begin(), 4, at + (2 + i) * 4);
      at[(2 + kMaxPatternStops + i) * 4] = p.map[i].at;
      at[(2 + kMaxPatternStops + i) * 4 + 1] = p.map[i].colour[4];
    }
  }
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  if (!pattern_texture_) gl->glGenTextures(1, &pattern_texture_);
  gl->glBindTexture(GL_TEXTURE_2D, pattern_texture_);
  gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, kWidth, rows, 0, GL_RGBA, GL_FLOAT, texels.data());
  gl->glBindTexture(GL_TEXTURE_2D, 0);
}

void ModelDrawer::UploadPicture(const QImage& image) {
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  if (!picture_texture_) gl->glGenTextures(1, &picture_texture_);
  gl->glBindTexture(GL_TEXTURE_2D, picture_texture_);
  gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);  // rows of RGBA, each a multiple of 4 bytes
  // The image's first row is its top: the texture's t = 0.
  gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width(), image.height(), 0, GL_RGBA,
                   GL_UNSIGNED_BYTE, image.constBits());
  gl->glGenerateMipmap(GL_TEXTURE_2D);
  gl->glBindTexture(GL_TEXTURE_2D, 0);
}

// The light the lights below the layers of cloud give their undersides,
// where the eye looks 15 degrees up, as the backdrop's shader has it.
QVector3D ModelDrawer::HazeLight(const QMatrix4x4& view) const {
  const QMatrix4x4 to_world = view.inverted();
  const QVector3D eye = to_world.map(QVector3D(0, 0, 0));
  QVector3D ahead = to_world.mapVector(QVector3D(0, 0, -1));
  ahead.setY(0);
  if (ahead.lengthSquared() < 1e-12f) ahead = {0, 0, 1};
  const QVector3D d = ahead.normalized() * std::cos(0.2618f) + QVector3D(0, std::sin(0.2618f), 0);
  const QVector3D at =
      eye + d * (std::max(static_cast<float>(surroundings_.haze_height) - eye.y(), 0.0f) / d.y());
  QVector3D light;
  for (const SceneLight& l : lights_)
    light += Qv(l.colour) * std::max(-(Qv(l.position) - at).normalized().y(), 0.0f);
  return light;
}

void ModelDrawer::SetLights(QOpenGLShaderProgram& program, const QMatrix4x4& view) {
  program.setUniformValue("eye", view.inverted().map(QVector3D(0, 0, 0)));
  const int count = static_cast<int>(std::min<size_t>(lights_.size(), 8));
  program.setUniformValue("light_count", count);
  for (int i = 0; i < count; ++i) {
    const SceneLight& l = lights_[i];
    const std::string at = "light_position[" + std::to_string(i) + "]",
                      colour = "light_colour[" + std::to_string(i) + "]";
    program.setUniformValue(at.c_str(), Qv(l.position));
    program.setUniformValue(colour.c_str(), Qv(l.colour));
  }
  const SceneSurroundings& s = surroundings_;
  const bool shown = surroundings_shown_;
  program.setUniformValue("sky_row", shown ? sky_row_ : -1);
  program.setUniformValue("to_sky", to_sky_);
  program.setUniformValue("background", shown ? Qv(s.background) : QVector3D());
  program.setUniformValue(
      "haze", shown ? QVector4D(s.haze[0], s.haze[1], s.haze[2], s.haze[3]) : QVector4D());
  program.setUniformValue("haze_finish", QVector2D(s.haze_finish[0], s.haze_finish[1]));
  program.setUniformValue("haze_light", HazeLight(view));
  program.setUniformValue("haze_height", static_cast<float>(s.haze_height));
  const int grounds = shown ? static_cast<int>(std::min(s.grounds.size(), kMaxGrounds)) : 0;
  program.setUniformValue("ground_count", grounds);
  for (int i = 0; i < grounds; ++i) {
    const SceneSurroundings::Ground& g = s.grounds[i];
    const std::string n = "[" + std::to_string(i) + "]";
    program.setUniformValue(("ground_plane" + n).c_str(),
                            QVector4D(Qv(g.normal), static_cast<float>(g.offset)));
    program.setUniformValue(("ground_colour" + n).c_str(),
                            QVector4D(Qv(g.colour), g.surface.reflection));
    const QVector3D ambient = Qv(g.surface.ambient);
    program.setUniformValue(("ground_finish" + n).c_str(),
                            QVector4D((ambient.x() + ambient.y() + ambient.z()) / 3,
                                      g.surface.diffuse, g.surface.brilliance, 0));
    program.setUniformValue(("ground_row" + n).c_str(), ground_rows_[i]);
    program.setUniformValue(("to_ground" + n).c_str(), to_ground_[i]);
  }
  program.setUniformValue("picture_ground", shown ? picture_ground_ : -1);
  program.setUniformValue("picture_once", picture_once_);
  program.setUniformValue("picture", kPictureUnit);
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  gl->glActiveTexture(GL_TEXTURE0 + kPictureUnit);
  gl->glBindTexture(GL_TEXTURE_2D, picture_texture_);
  gl->glActiveTexture(GL_TEXTURE0);
  program.setUniformValue("fog_distance", shown ? static_cast<float>(s.fog_distance) : 0.0f);
  program.setUniformValue("fog_colour", Qv(s.fog_colour));
}

void ModelDrawer::Draw(const QMatrix4x4& view, const QMatrix4x4& projection) {
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  // The viewport alone is cleared: around it the caller's ground stays.
  GLint viewport[4];
  gl->glGetIntegerv(GL_VIEWPORT, viewport);
  gl->glScissor(viewport[0], viewport[1], viewport[2], viewport[3]);
  gl->glEnable(GL_SCISSOR_TEST);
  const SceneSurroundings& s = surroundings_;
  const QVector3D clear = !surroundings_shown_ ? QVector3D()
                          : s.fog_distance > 0 ? Qv(s.fog_colour)
                                               : Qv(s.background);
  gl->glClearColor(Encoded(clear.x()), Encoded(clear.y()), Encoded(clear.z()), 1);
  gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  gl->glDisable(GL_SCISSOR_TEST);
  gl->glEnable(GL_DEPTH_TEST);
  gl->glDepthFunc(GL_LEQUAL);
  gl->glDisable(GL_CULL_FACE);
  gl->glDisable(GL_BLEND);
  if (!shadows_made_ && shadows_follow_ && !drawn_unshadowed_) {
    drawn_unshadowed_ = true;  // this picture at once, the shadows in the next
  } else if (!shadows_made_) {
    shadows_made_ = true;
    shadows_.Render(lights_, bounds_, [&](QOpenGLShaderProgram&) {
      for (const auto& group : groups_) {
        group->vao.bind();
        gl->glDrawElementsInstanced(GL_TRIANGLES, group->index_count, GL_UNSIGNED_INT, nullptr,
                                    group->instance_count);
        group->vao.release();
      }
    });
  }
  gl->glActiveTexture(GL_TEXTURE0);
  gl->glBindTexture(GL_TEXTURE_2D, pattern_texture_);
  if (surroundings_shown_ && (sky_row_ >= 0 || !s.grounds.empty())) {
    backdrop_.bind();
    backdrop_.setUniformValue("patterns", 0);
    SetLights(backdrop_, view);
    shadows_.Bind(backdrop_, 1);
    backdrop_.setUniformValue("unproject", (projection * view).inverted());
    backdrop_.setUniformValue("project", projection * view);
    backdrop_vao_.bind();
    gl->glDrawArrays(GL_TRIANGLES, 0, 3);
    backdrop_vao_.release();
    backdrop_.release();
  }
  if (groups_.empty()) return;
  program_.bind();
  program_.setUniformValue("view", view);
  program_.setUniformValue("projection", projection);
  program_.setUniformValue("headlight", lights_.empty());
  shadows_.Bind(program_, 1);
  gl->glActiveTexture(GL_TEXTURE0);  // the patterns are bound there, as for the backdrop
  program_.setUniformValue("patterns", 0);
  SetLights(program_, view);
  // What a see-through surface lets through is the second output times what lies behind.
  // Opaque groups come first and blend nothing (quicker).
  gl->glBlendFunc(GL_ONE, GL_SRC1_COLOR);
  for (const auto& group : groups_) {
    gl->glDepthMask(group->clear ? GL_FALSE : GL_TRUE);
    if (group->clear) gl->glEnable(GL_BLEND);
    group->vao.bind();
    gl->glDrawElementsInstanced(GL_TRIANGLES, group->index_count, GL_UNSIGNED_INT, nullptr,
                                group->instance_count);
    group->vao.release();
  }
  gl->glDepthMask(GL_TRUE);
  gl->glDisable(GL_BLEND);
  gl->glBindTexture(GL_TEXTURE_2D, 0);
  program_.release();
}

}  // namespace vermora::app
