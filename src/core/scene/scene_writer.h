#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "common/fixed.h"

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
    char* p = Room(text.size() + 2);
    std::memcpy(p, text.data(), text.size());
    std::memcpy(p + text.size(), "\r\n", 2);
    used_ += text.size() + 2;
    CheckLimit();
  }
  // One line of two pieces, without joining them first.
  void Line(std::string_view head, std::string_view tail) {
    char* p = Room(head.size() + tail.size() + 2);
    std::memcpy(p, head.data(), head.size());
    std::memcpy(p + head.size(), tail.data(), tail.size());
    std::memcpy(p + head.size() + tail.size(), "\r\n", 2);
    used_ += head.size() + tail.size() + 2;
    CheckLimit();
  }
  void Scale(double x, double y, double z);
  void Rotate(double x, double y, double z);
  void Translate(double x, double y, double z);

  // REQUIRES: no gap open (see OpenGap).
  std::string_view text() const { return {buf_.data() + front_, used_ - front_}; }
  std::string Take() {
    buf_.resize(used_);
    buf_.erase(0, front_);
    used_ = front_ = 0;
    return std::move(buf_);
  }
  // The whole buffer, whose text starts at byte `front` (no move to the start).
  std::string TakeBuffer(size_t& front) {
    front = front_;
    buf_.resize(used_);
    used_ = front_ = 0;
    return std::move(buf_);
  }
  // Writes into `buffer` from its start, keeping its memory (its old text is
  // room, so a scene the size of the last one costs no zeros first).
  void Adopt(std::string buffer) {
    buf_ = std::move(buffer);
    used_ = 0;
  }
  // Leaves `bytes` of room here for text known only once what follows is
  // written (the object library); the room counts toward no limit.
  void OpenGap(size_t bytes);
  // Writes `text` at the gap and closes it: the text written before the gap
  // moves up to it, so only that short part is copied, not what follows.
  // The gap widens when `text` is longer than it. Like the library it holds,
  // the text is not held to the limit (it may follow a failure over it).
  void FillGap(std::string_view text);

  // For writers that build one line from pieces (see SceneLine): room for
  // `bytes` more at the end, valid until the next call; Advance commits what
  // was written there.
  char* Room(size_t bytes) {
    if (buf_.size() - used_ < bytes) Grow(bytes);
    return buf_.data() + used_;
  }
  void Advance(const char* end) { used_ = static_cast<size_t>(end - buf_.data()); }
  void EndLine() {
    std::memcpy(Room(2), "\r\n", 2);
    used_ += 2;
    CheckLimit();
  }

 private:
  void CheckLimit() {
    if (used_ - front_ - gap_ > limit_) TooLarge();
  }
  [[noreturn]] void TooLarge();
  void Grow(size_t bytes);
  template <int P0, int D0, int P1, int D1, int P2, int D2>
  void Vector(std::string_view head, double x, double y, double z);
  // The text is bytes front_ to used_ of buf_ (what lies before front_ is
  // left from a filled gap); the rest of its size is room written into, so a
  // line costs none of the string's own length bookkeeping.
  std::string buf_;
  size_t used_ = 0;
  size_t front_ = 0;
  size_t gap_at_ = 0, gap_ = 0;
  size_t limit_;
};

// One line of scene text written straight into the writer's room from pieces
// and numbers, ended by End: the writers' per-segment lines.
class SceneLine {
 public:
  explicit SceneLine(SceneWriter& out) : out_(out), p_(out.Room(kLine)), end_(p_ + kLine) {}
  SceneLine(const SceneLine&) = delete;
  SceneLine& operator=(const SceneLine&) = delete;

  [[gnu::always_inline]] SceneLine& Text(std::string_view text) {
    if (text.size() > Left()) Reserve(text.size());
    std::memcpy(p_, text.data(), text.size());
    p_ += text.size();
    return *this;
  }
  // The number text of Fixed(value, P, D).
  template <int P, int D>
  [[gnu::always_inline]] SceneLine& Number(double value) {
    if (Left() < static_cast<size_t>(kFixedMax)) Reserve(kFixedMax);
    p_ = PutFixed<P, D>(p_, value);
    return *this;
  }
  void End() {
    out_.Advance(p_);
    out_.EndLine();
  }

 private:
  static constexpr size_t kLine = 256;
  size_t Left() const { return static_cast<size_t>(end_ - p_); }
  void Reserve(size_t bytes) {
    out_.Advance(p_);
    p_ = out_.Room(bytes + kLine);
    end_ = p_ + bytes + kLine;
  }
  SceneWriter& out_;
  char* p_;
  char* end_;
};

}  // namespace vermora
