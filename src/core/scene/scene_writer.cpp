#include "scene/scene_writer.h"

#include "params/number_reading.h"
#include "scene/fixed.h"

namespace vermora {

void SceneWriter::Vector(std::string_view head, double x, double y, double z, const int (&rule)[3][2]) {
  text_.append(head);
  AppendFixed(text_, x, rule[0][0], rule[0][1]);
  text_.append(", ");
  AppendFixed(text_, y, rule[1][0], rule[1][1]);
  text_.append(", ");
  AppendFixed(text_, z, rule[2][0], rule[2][1]);
  text_.append(">\r\n");
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
