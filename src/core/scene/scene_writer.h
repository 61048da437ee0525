#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "scene/fixed.h"

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
  template <int P0, int D0, int P1, int D1, int P2, int D2>
  void Vector(std::string_view head, double x, double y, double z);
  std::string text_;
  size_t limit_;
};

// One line of scene text built on the stack from pieces and numbers, then
// appended whole by End: the writers' per-segment lines. A piece longer than
// the room left goes straight to the writer.
class SceneLine {
 public:
  explicit SceneLine(SceneWriter& out) : out_(out) {}
  SceneLine(const SceneLine&) = delete;
  SceneLine& operator=(const SceneLine&) = delete;

  [[gnu::always_inline]] SceneLine& Text(std::string_view text) {
    if (text.size() > Room()) {
      Flush();
      if (text.size() > Room()) {
        out_.raw().append(text);
        return *this;
      }
    }
    std::memcpy(p_, text.data(), text.size());
    p_ += text.size();
    return *this;
  }
  // The number text of Fixed(value, P, D).
  template <int P, int D>
  [[gnu::always_inline]] SceneLine& Number(double value) {
    if (Room() < static_cast<size_t>(kFixedMax)) Flush();
    p_ = PutFixed<P, D>(p_, value);
    return *this;
  }
  void End() {
    Flush();
    out_.EndLine();
  }

 private:
  size_t Room() const { return static_cast<size_t>(buf_ + sizeof buf_ - p_); }
  void Flush() {
    out_.raw().append(buf_, static_cast<size_t>(p_ - buf_));
    p_ = buf_;
  }
  SceneWriter& out_;
  char buf_[256];
  char* p_ = buf_;
};

}  // namespace vermora
