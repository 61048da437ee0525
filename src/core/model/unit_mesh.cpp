// Triangle meshes of the unit primitives.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/scene_model.h"

namespace vermora {
namespace {

class Builder {
 public:
  explicit Builder(Mesh& mesh) : mesh_(mesh) {}
  uint32_t Vertex(double x, double y, double z, double nx, double ny, double nz) {
    const double l = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (l > 0) nx /= l, ny /= l, nz /= l;
    for (double v : {x, y, z}) mesh_.positions.push_back(static_cast<float>(v));
    for (double v : {nx, ny, nz}) mesh_.normals.push_back(static_cast<float>(v));
    return static_cast<uint32_t>(mesh_.positions.size() / 3 - 1);
  }
  void Triangle(uint32_t a, uint32_t b, uint32_t c) {
    mesh_.indices.insert(mesh_.indices.end(), {a, b, c});
  }
  // a b c d counter-clockwise seen from outside.
  void Quad(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    Triangle(a, b, c);
    Triangle(a, c, d);
  }

 private:
  Mesh& mesh_;
};

constexpr double kTau = 2 * std::numbers::pi;

void Box(Builder& b) {
  // For each face: its normal axis and sign; corners in counter-clockwise order.
  for (int axis = 0; axis < 3; ++axis) {
    for (int sign : {-1, 1}) {
      const int u = (axis + 1) % 3, v = (axis + 2) % 3;
      uint32_t corner[4];
      const double us[4] = {-1, 1, 1, -1}, vs[4] = {-1, -1, 1, 1};
      for (int i = 0; i < 4; ++i) {
        double p[3], n[3] = {0, 0, 0};
        p[axis] = sign;
        p[u] = us[i];
        p[v] = sign > 0 ? vs[i] : -vs[i];
        n[axis] = sign;
        corner[i] = b.Vertex(p[0], p[1], p[2], n[0], n[1], n[2]);
      }
      b.Quad(corner[0], corner[1], corner[2], corner[3]);
    }
  }
}

void Sphere(Builder& b, int n) {
  const int rings = std::max(2, n / 2);
  std::vector<uint32_t> grid;
  for (int r = 0; r <= rings; ++r) {
    const double phi = std::numbers::pi * r / rings;  // from the top pole
    for (int s = 0; s <= n; ++s) {
      const double theta = kTau * (s % n) / n;  // the seam at the very same place
      // The poles exactly on the axis, where every segment meets.
      const double ring = r == 0 || r == rings ? 0 : std::sin(phi);
      const double x = ring * std::cos(theta), y = r == rings ? -1 : std::cos(phi),
                   z = -ring * std::sin(theta);
      grid.push_back(b.Vertex(x, y, z, x, y, z));
    }
  }
  auto at = [&](int r, int s) {
    const int index = r * (n + 1) + s;
    return grid[static_cast<size_t>(index)];
  };
  for (int r = 0; r < rings; ++r) {
    for (int s = 0; s < n; ++s) {
      if (r > 0) b.Triangle(at(r, s), at(r + 1, s), at(r, s + 1));
      if (r + 1 < rings) b.Triangle(at(r, s + 1), at(r + 1, s), at(r + 1, s + 1));
    }
  }
}

// A cylinder or cone: radius 1 at y = 0, `top` at y = 1, with its caps.
void Tube(Builder& b, int n, double top) {
  const double slope = 1 - top;  // outward normal (cos, slope, -sin) of the side
  std::vector<uint32_t> low, high;
  for (int s = 0; s <= n; ++s) {
    const double t = kTau * (s % n) / n, c = std::cos(t), z = -std::sin(t);
    low.push_back(b.Vertex(c, 0, z, c, slope, z));
    high.push_back(b.Vertex(top * c, 1, top * z, c, slope, z));
  }
  for (int s = 0; s < n; ++s) {
    if (top > 0) {
      b.Quad(low[s], low[s + 1], high[s + 1], high[s]);
    } else {
      b.Triangle(low[s], low[s + 1], high[s]);
    }
  }
  for (int cap = 0; cap < 2; ++cap) {
    const double radius = cap ? top : 1, y = cap, ny = cap ? 1 : -1;
    if (radius <= 0) continue;
    const uint32_t centre = b.Vertex(0, y, 0, 0, ny, 0);
    std::vector<uint32_t> rim;
    for (int s = 0; s <= n; ++s) {
      const double t = kTau * (s % n) / n;
      rim.push_back(b.Vertex(radius * std::cos(t), y, -radius * std::sin(t), 0, ny, 0));
    }
    for (int s = 0; s < n; ++s) {
      if (cap) {
        b.Triangle(centre, rim[s], rim[s + 1]);
      } else {
        b.Triangle(centre, rim[s + 1], rim[s]);
      }
    }
  }
}

void Torus(Builder& b, int n, double minor) {
  const int around = std::max(3, n / 2);
  std::vector<uint32_t> grid;
  for (int i = 0; i <= n; ++i) {
    const double t = kTau * (i % n) / n, c = std::cos(t), s = -std::sin(t);
    for (int j = 0; j <= around; ++j) {
      const double p = kTau * (j % around) / around, cp = std::cos(p), sp = std::sin(p);
      grid.push_back(
          b.Vertex((1 + minor * cp) * c, minor * sp, (1 + minor * cp) * s, cp * c, sp, cp * s));
    }
  }
  auto at = [&](int i, int j) {
    const int index = i * (around + 1) + j;
    return grid[static_cast<size_t>(index)];
  };
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < around; ++j) b.Quad(at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1));
  }
}

}  // namespace

Mesh UnitMesh(Primitive kind, float shape, int detail) {
  Mesh mesh;
  Builder b(mesh);
  const int n = std::clamp(detail, 3, 1024);
  switch (kind) {
    case Primitive::Sphere:
      Sphere(b, n);
      break;
    case Primitive::Box:
    case Primitive::StandIn:
      Box(b);
      break;
    case Primitive::Cylinder:
      Tube(b, n, 1);
      break;
    case Primitive::Cone:
      Tube(b, n, std::clamp(static_cast<double>(shape), 0.0, 1.0));
      break;
    case Primitive::Torus:
      Torus(b, n, std::max(0.0, static_cast<double>(shape)));
      break;
  }
  return mesh;
}

}  // namespace vermora
