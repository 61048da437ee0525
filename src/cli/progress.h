#pragma once

#include <chrono>
#include <string>

namespace vermora::cli {

// The progress of a command that makes many things (frames, children, variants).
// Each finished one is a line on standard error, flushed at once so a pipe sees
// it as it happens. On a terminal a bar under those lines shows how many are done
// and the time left, redrawn in place. Quiet commands show neither.
class Progress {
 public:
  // `unit` names the things in the bar ("frames"); `total` is how many are coming.
  Progress(std::string unit, int total);
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  ~Progress();

  // One more is finished; `line` says which, and how it went. A failure is said
  // even to a quiet command.
  void Step(const std::string& line, bool failed = false);

 private:
  void DrawBar() const;
  void ClearBar() const;

  std::string unit_;
  int total_ = 0;
  int done_ = 0;
  bool terminal_ = false;
  std::chrono::steady_clock::time_point start_;
};

// The seconds left when `done` of `total` took `elapsed` seconds, as "1:05" or
// "2:01:05"; "" before the first is done.
std::string TimeLeft(double elapsed, int done, int total);

}  // namespace vermora::cli
