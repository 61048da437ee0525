#include "model_drawer.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <algorithm>
#include <cmath>
#include <map>

namespace vermora::app {

namespace {

constexpr size_t kTriangleBudget = 400'000;

// Per vertex: position and normal of the unit primitive. Per instance: the
// model matrix, the matrix for its normals, and the colour.
constexpr const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec4 m0;
layout(location = 3) in vec4 m1;
layout(location = 4) in vec4 m2;
layout(location = 5) in vec4 m3;
layout(location = 6) in vec3 n0;
layout(location = 7) in vec3 n1;
layout(location = 8) in vec3 n2;
layout(location = 9) in vec4 colour;
uniform mat4 view;
uniform mat4 projection;
out vec3 eye_normal;
out vec3 base;
void main() {
  gl_Position = projection * view * mat4(m0, m1, m2, m3) * vec4(position, 1.0);
  eye_normal = mat3(view) * (mat3(n0, n1, n2) * normal);
  base = colour.rgb;
}
)";

// A key light from the upper left as the scenes have, and some fill; both sides
// of a surface are lit alike, since a mirrored view turns the winding round.
constexpr const char* kFragmentShader = R"(#version 330 core
in vec3 eye_normal;
in vec3 base;
out vec4 colour;
void main() {
  vec3 n = normalize(eye_normal);
  float key = abs(dot(n, normalize(vec3(-0.35, 0.45, 0.82))));
  float fill = abs(n.z);
  colour = vec4(base * (0.18 + 0.62 * key + 0.25 * fill), 1.0);
}
)";

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
};

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
ModelDrawer::~ModelDrawer() { Release(); }

bool ModelDrawer::Initialize(QString& error) {
  if (!program_.addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) ||
      !program_.addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader) ||
      !program_.link()) {
    error = program_.log();
    return false;
  }
  return true;
}

void ModelDrawer::Release() {
  groups_.clear();
  triangles_ = 0;
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

void ModelDrawer::Upload(const SceneModel& model) {
  Release();
  detail_ = DetailFor(model.instances);
  std::map<std::pair<Primitive, float>, std::vector<const Instance*>> sorted;
  for (const Instance& instance : model.instances)
    sorted[{instance.kind, ShapeKey(instance)}].push_back(&instance);
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  for (const auto& [key, members] : sorted) {
    const Mesh mesh = UnitMesh(key.first, key.second, detail_);
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

    // 16 floats of matrix, 9 of the normals' matrix, 4 of colour.
    constexpr int kStride = 29;
    std::vector<float> data;
    data.reserve(members.size() * kStride);
    for (const Instance* instance : members) {
      const QMatrix4x4 m = ToQt(instance->transform);
      data.insert(data.end(), m.constData(), m.constData() + 16);
      const QMatrix3x3 n = m.normalMatrix();
      data.insert(data.end(), n.constData(), n.constData() + 9);
      const bool marked = instance->kind == Primitive::StandIn;
      for (int c = 0; c < 3; ++c)
        data.push_back(marked ? (c == 1 ? 0.2f : 1.0f) : instance->colour[c]);
      data.push_back(1.0f);
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
    for (GLuint c = 0; c < 3; ++c) attribute(6 + c, 3, 16 + static_cast<int>(c) * 3);
    attribute(9, 4, 25);
    group->instance_count = static_cast<GLsizei>(members.size());
    group->vao.release();
    triangles_ += static_cast<size_t>(group->index_count / 3) * members.size();
    groups_.push_back(std::move(group));
  }
}

void ModelDrawer::Draw(const QMatrix4x4& view, const QMatrix4x4& projection) {
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  // The viewport alone is cleared: around it the caller's ground stays.
  GLint viewport[4];
  gl->glGetIntegerv(GL_VIEWPORT, viewport);
  gl->glScissor(viewport[0], viewport[1], viewport[2], viewport[3]);
  gl->glEnable(GL_SCISSOR_TEST);
  gl->glClearColor(0, 0, 0, 1);
  gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  gl->glDisable(GL_SCISSOR_TEST);
  gl->glEnable(GL_DEPTH_TEST);
  gl->glDisable(GL_CULL_FACE);
  if (groups_.empty()) return;
  program_.bind();
  program_.setUniformValue("view", view);
  program_.setUniformValue("projection", projection);
  for (const auto& group : groups_) {
    group->vao.bind();
    gl->glDrawElementsInstanced(GL_TRIANGLES, group->index_count, GL_UNSIGNED_INT, nullptr,
                                group->instance_count);
    group->vao.release();
  }
  program_.release();
}

}  // namespace vermora::app
