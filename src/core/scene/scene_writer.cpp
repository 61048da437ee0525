#include "scene/scene_writer.h"

#include "scene/fixed.h"

namespace vermora {

void SceneWriter::Vector(std::string_view head, const std::string& x, const std::string& y,
                         const std::string& z) {
  text_.append(head);
  text_.append(x);
  text_.append(", ");
  text_.append(y);
  text_.append(", ");
  text_.append(z);
  text_.append(">\r\n");
}

void SceneWriter::Scale(double x, double y, double z) {
  Vector("  scale <", Fixed(x, 4, 3), Fixed(y, 4, 3), Fixed(z, 4, 3));
}

// The x angle keeps four significant digits, y and z three.
void SceneWriter::Rotate(double x, double y, double z) {
  Vector("  rotate <", Fixed(x, 4, 0), Fixed(y, 3, 0), Fixed(z, 3, 0));
}

void SceneWriter::Translate(double x, double y, double z) {
  Vector("  translate <", Fixed(x, 5, 3), Fixed(y, 5, 3), Fixed(z, 5, 3));
}

}  // namespace vermora
