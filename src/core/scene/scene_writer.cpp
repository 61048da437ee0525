#include "scene/scene_writer.h"

#include <cstring>

#include "params/number_reading.h"
#include "scene/fixed.h"

namespace vermora {

// The line is built on the stack and appended once.
template <int P0, int D0, int P1, int D1, int P2, int D2>
void SceneWriter::Vector(std::string_view head, double x, double y, double z) {
  char line[16 + 3 * (kFixedMax + 2) + 3];
  std::memcpy(line, head.data(), head.size());  // REQUIRES: head.size() <= 16
  char* p = line + head.size();
  p = PutFixed<P0, D0>(p, x);
  std::memcpy(p, ", ", 2);
  p = PutFixed<P1, D1>(p + 2, y);
  std::memcpy(p, ", ", 2);
  p = PutFixed<P2, D2>(p + 2, z);
  std::memcpy(p, ">\r\n", 3);
  text_.append(line, static_cast<size_t>(p + 3 - line));
  CheckLimit();
}

void SceneWriter::TooLarge() {
  throw CommandError{"The scene is too large: more than " + std::to_string(limit_ >> 20) +
                     " MB of scene text. Lower the counts"};
}

void SceneWriter::Scale(double x, double y, double z) {
  Vector<4, 3, 4, 3, 4, 3>("  scale <", x, y, z);
}

// The x angle keeps four significant digits, y and z three.
void SceneWriter::Rotate(double x, double y, double z) {
  Vector<4, 0, 3, 0, 3, 0>("  rotate <", x, y, z);
}

void SceneWriter::Translate(double x, double y, double z) {
  Vector<5, 3, 5, 3, 5, 3>("  translate <", x, y, z);
}

}  // namespace vermora
