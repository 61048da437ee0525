#include "scene/scene_writer.h"

#include <cstring>

#include "params/number_reading.h"
#include "scene/fixed.h"

namespace vermora {

// The line is built on the stack and appended once.
void SceneWriter::Vector(std::string_view head, double x, double y, double z,
                         const int (&rule)[3][2]) {
  char line[16 + 3 * (kFixedMax + 2) + 3];
  std::memcpy(line, head.data(), head.size());  // REQUIRES: head.size() <= 16
  char* p = line + head.size();
  const double v[3] = {x, y, z};
  for (int i = 0; i < 3; ++i) {
    p += FixedInto(p, v[i], rule[i][0], rule[i][1]);
    if (i < 2) {
      p[0] = ',';
      p[1] = ' ';
      p += 2;
    }
  }
  std::memcpy(p, ">\r\n", 3);
  text_.append(line, static_cast<size_t>(p + 3 - line));
  CheckLimit();
}

void SceneWriter::TooLarge() {
  throw CommandError{"The scene is too large: more than " + std::to_string(limit_ >> 20) +
                     " MB of scene text. Lower the counts"};
}

void SceneWriter::Scale(double x, double y, double z) {
  static constexpr int kRule[3][2] = {{4, 3}, {4, 3}, {4, 3}};
  Vector("  scale <", x, y, z, kRule);
}

// The x angle keeps four significant digits, y and z three.
void SceneWriter::Rotate(double x, double y, double z) {
  static constexpr int kRule[3][2] = {{4, 0}, {3, 0}, {3, 0}};
  Vector("  rotate <", x, y, z, kRule);
}

void SceneWriter::Translate(double x, double y, double z) {
  static constexpr int kRule[3][2] = {{5, 3}, {5, 3}, {5, 3}};
  Vector("  translate <", x, y, z, kRule);
}

}  // namespace vermora
