#pragma once

#include <string>
#include <string_view>

namespace vermora {

// The one output channel for scene text. Lines end in CR LF; the three vector
// writers fix the number format of scale, rotate and translate statements.
// Text is collected in memory and handed to a file by the command that owns the
// scene, so generators never touch files.
class SceneWriter {
 public:
  // Scenes beyond this size cannot be rendered in any useful time; stopping
  // there turns a runaway count into a message instead of exhausted memory.
  static constexpr size_t kDefaultLimit = size_t{512} << 20;

  explicit SceneWriter(size_t limit = kDefaultLimit) : limit_(limit) {}

  void Line(std::string_view text) {
    text_.append(text);
    text_.append("\r\n");
    CheckLimit();
  }
  void Scale(double x, double y, double z);
  void Rotate(double x, double y, double z);
  void Translate(double x, double y, double z);

  const std::string& text() const { return text_; }
  std::string Take() { return std::move(text_); }
  void Reserve(size_t bytes) { text_.reserve(bytes); }
  // Writes into `buffer` from its start, keeping its memory.
  void Adopt(std::string buffer) {
    text_ = std::move(buffer);
    text_.clear();
  }
  // For writers that build one line from pieces (append, then EndLine).
  std::string& raw() { return text_; }
  void EndLine() {
    text_.append("\r\n");
    CheckLimit();
  }

 private:
  void CheckLimit() {
    if (text_.size() > limit_) TooLarge();
  }
  [[noreturn]] void TooLarge();
  void Vector(std::string_view head, double x, double y, double z, const int (&rule)[3][2]);
  std::string text_;
  size_t limit_;
};

}  // namespace vermora
