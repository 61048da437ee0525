#include "scene/scene_writer.h"

#include <algorithm>
#include <cstring>

#include "common/fixed.h"
#include "params/number_reading.h"

namespace vermora {

// The line is built on the stack and appended once.
template <int P0, int D0, int P1, int D1, int P2, int D2>
void SceneWriter::Vector(std::string_view head, double x, double y, double z) {
  char* p = Room(16 + 3 * (kFixedMax + 2) + 3);
  std::memcpy(p, head.data(), head.size());  // REQUIRES: head.size() <= 16
  p += head.size();
  p = PutFixed<P0, D0>(p, x);
  std::memcpy(p, ", ", 2);
  p = PutFixed<P1, D1>(p + 2, y);
  std::memcpy(p, ", ", 2);
  p = PutFixed<P2, D2>(p + 2, z);
  std::memcpy(p, ">\r\n", 3);
  Advance(p + 3);
  CheckLimit();
}

// The new room is zeros written once: first what the string holds, then
// twice that, so a line's share of the copying stays constant.
void SceneWriter::Grow(size_t bytes) {
  const size_t room = buf_.size() < buf_.capacity() ? buf_.capacity() : buf_.size() * 2;
  buf_.resize(std::max({room, used_ + bytes, size_t{4096}}));
}

void SceneWriter::OpenGap(size_t bytes) {
  Room(bytes);
  gap_at_ = used_;
  gap_ = bytes;
  used_ += bytes;
}

void SceneWriter::FillGap(std::string_view text) {
  if (text.size() > gap_) {  // REQUIRES: text does not lie in this writer
    const size_t more = text.size() - gap_;
    char* end = Room(more);
    char* after = buf_.data() + gap_at_ + gap_;
    std::memmove(after + more, after, static_cast<size_t>(end - after));
    used_ += more;
    gap_ += more;
  }
  char* data = buf_.data();
  const size_t start = gap_at_ + gap_ - text.size();
  std::memcpy(data + start, text.data(), text.size());
  const size_t before = gap_at_ - front_;
  std::memmove(data + start - before, data + front_, before);
  front_ = start - before;
  gap_ = 0;
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
