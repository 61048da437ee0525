// Matrices, boxes and the camera of the scene model.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/scene_model.h"
#include "model/vector_math.h"

namespace vermora {
namespace {

using namespace model_math;

Vec3 Unit(Vec3 v) {
  const double l = Length(v);
  return l > 0 ? Vec3{v.x / l, v.y / l, v.z / l} : v;
}

// The half-extent of the unit primitive along a world axis whose row of the
// linear part is (a, b, c): its support function at that row.
double Support(Primitive kind, float shape, double a, double b, double c, double* centre_shift) {
  const double xz = std::hypot(a, c);
  *centre_shift = 0;
  switch (kind) {
    case Primitive::Sphere:
      return std::sqrt(a * a + b * b + c * c);
    case Primitive::Box:
    case Primitive::StandIn:
      return std::abs(a) + std::abs(b) + std::abs(c);
    case Primitive::Torus:
      return xz + shape * std::sqrt(a * a + b * b + c * c);
    case Primitive::Cylinder:
    case Primitive::Cone: {
      // The hull of the base disc (radius 1, y = 0) and the top disc (y = 1).
      const double top = kind == Primitive::Cone ? shape : 1.0;
      const double high = std::max(xz, b + top * xz), low = std::min(-xz, b - top * xz);
      *centre_shift = (high + low) / 2;
      return (high - low) / 2;
    }
  }
  return 0;
}

}  // namespace

Mat4 operator*(const Mat4& a, const Mat4& b) {
  Mat4 r;
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += a(row, k) * b(k, col);
      r(row, col) = sum;
    }
  }
  return r;
}

Vec3 TransformPoint(const Mat4& t, Vec3 p) {
  return {t(0, 0) * p.x + t(0, 1) * p.y + t(0, 2) * p.z + t(0, 3),
          t(1, 0) * p.x + t(1, 1) * p.y + t(1, 2) * p.z + t(1, 3),
          t(2, 0) * p.x + t(2, 1) * p.y + t(2, 2) * p.z + t(2, 3)};
}

Mat4 Translation(Vec3 offset) {
  Mat4 t;
  t(0, 3) = offset.x;
  t(1, 3) = offset.y;
  t(2, 3) = offset.z;
  return t;
}

Mat4 Scaling(Vec3 factors) {
  Mat4 t;
  t(0, 0) = factors.x;
  t(1, 1) = factors.y;
  t(2, 2) = factors.z;
  return t;
}

Mat4 Rotation(Vec3 degrees) {
  const double k = std::numbers::pi / 180;
  auto about = [&](int axis, double angle) {
    Mat4 r;
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    const double c = std::cos(angle * k), s = std::sin(angle * k);
    r(i, i) = c;
    r(j, j) = c;
    r(i, j) = -s;
    r(j, i) = s;
    return r;
  };
  return about(2, degrees.z) * about(1, degrees.y) * about(0, degrees.x);
}

Mat4 AffineInverse(const Mat4& m) {
  // The rows of A^-1 are the cross products of A's columns over its determinant.
  const Vec3 c0{m(0, 0), m(1, 0), m(2, 0)}, c1{m(0, 1), m(1, 1), m(2, 1)},
      c2{m(0, 2), m(1, 2), m(2, 2)};
  using model_math::Cross, model_math::Dot;
  const double det = Dot(c0, Cross(c1, c2));
  if (!(std::abs(det) > 1e-300)) return Mat4{};
  const Vec3 rows[3] = {Cross(c1, c2), Cross(c2, c0), Cross(c0, c1)};
  const Vec3 t{m(0, 3), m(1, 3), m(2, 3)};
  Mat4 r;
  for (int row = 0; row < 3; ++row) {
    const Vec3 v{rows[row].x / det, rows[row].y / det, rows[row].z / det};
    r(row, 0) = v.x;
    r(row, 1) = v.y;
    r(row, 2) = v.z;
    r(row, 3) = -Dot(v, t);
  }
  return r;
}

// reflection_colour = alpha + beta * rgb by least squares, both at least 0;
// then amount = alpha + beta and tint = beta / amount.
Surface::Mirror Surface::MirrorOn(const std::array<float, 3>& rgb) const {
  if (reflection_metallic || reflection <= 0) return {reflection, reflection > 0 ? 1.0f : 0.0f};
  double sp = 0, spp = 0, sr = 0, spr = 0;
  for (int i = 0; i < 3; ++i) {
    sp += rgb[i];
    spp += rgb[i] * rgb[i];
    sr += reflection_colour[i];
    spr += rgb[i] * reflection_colour[i];
  }
  const double det = 3 * spp - sp * sp;
  double alpha = sr / 3, beta = 0;
  if (det > 1e-6) {
    alpha = (spp * sr - sp * spr) / det;
    beta = (3 * spr - sp * sr) / det;
    if (beta < 0) {
      alpha = sr / 3;
      beta = 0;
    } else if (alpha < 0) {
      alpha = 0;
      beta = spp > 0 ? spr / spp : 0;
    }
  }
  const double amount = std::clamp(alpha + beta, 0.0, 1.0);
  return {static_cast<float>(amount), amount > 0 ? static_cast<float>(beta / (alpha + beta)) : 0};
}

std::string SceneModel::PartName(int part) const {
  if (part < 0 || part >= static_cast<int>(parts.size())) return "";
  const Part& p = parts[static_cast<size_t>(part)];
  if (p.name < 0 || p.name >= static_cast<int>(object_names.size())) return "";
  return object_names[static_cast<size_t>(p.name)] + " " + std::to_string(p.copy);
}

void Bounds::Add(Vec3 p) {
  if (empty) {
    min = max = p;
    empty = false;
    return;
  }
  min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
  max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

Bounds InstanceBounds(const Instance& instance) {
  const Mat4& t = instance.transform;
  double low[3], high[3];
  for (int row = 0; row < 3; ++row) {
    double shift = 0;
    const double half =
        Support(instance.kind, instance.shape, t(row, 0), t(row, 1), t(row, 2), &shift);
    low[row] = t(row, 3) + shift - half;
    high[row] = t(row, 3) + shift + half;
  }
  Bounds b;
  b.Add({low[0], low[1], low[2]});
  b.Add({high[0], high[1], high[2]});
  return b;
}

Bounds SceneModel::bounds() const {
  Bounds all;
  for (const Instance& instance : instances) {
    const Bounds b = InstanceBounds(instance);
    all.Add(b.min);
    all.Add(b.max);
  }
  return all;
}

Mat4 CameraView(const SceneCamera& camera) {
  const Vec3 r = Unit(camera.right), u = Unit(camera.up), d = Unit(camera.direction);
  const Vec3 at = camera.location;
  Mat4 v;
  const Vec3 rows[3] = {r, u, {-d.x, -d.y, -d.z}};
  for (int row = 0; row < 3; ++row) {
    v(row, 0) = rows[row].x;
    v(row, 1) = rows[row].y;
    v(row, 2) = rows[row].z;
    v(row, 3) = -Dot(rows[row], at);
  }
  return v;
}

Mat4 CameraProjection(const SceneCamera& camera, double aspect, double near, double far) {
  double width = Length(camera.right), height = Length(camera.up);
  if (aspect <= 0) aspect = 1;
  if (width <= 0 && height <= 0) width = aspect, height = 1;
  if (width <= 0) width = height * aspect;
  if (height <= 0) height = width / aspect;
  const double focal = Length(camera.direction) > 0 ? Length(camera.direction) : 1;
  Mat4 p;
  p(0, 0) = 2 * focal / width;
  p(1, 1) = 2 * focal / height;
  p(2, 2) = -(far + near) / (far - near);
  p(2, 3) = -2 * far * near / (far - near);
  p(3, 2) = -1;
  p(3, 3) = 0;
  return p;
}

}  // namespace vermora
