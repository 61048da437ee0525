#include "progress.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <iostream>

#include "talk.h"

namespace vermora::cli {

namespace {
constexpr int kBarWidth = 30;
}

Progress::Progress(std::string unit, int total)
    : unit_(std::move(unit)),
      total_(total),
      terminal_(!Quiet() && isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now()) {
  DrawBar();
}

Progress::~Progress() { ClearBar(); }

void Progress::Step(const std::string& line, bool failed) {
  ++done_;
  if (Quiet() && !failed) return;
  ClearBar();
  std::cerr << line << std::endl;
  DrawBar();
}

void Progress::DrawBar() const {
  if (!terminal_ || total_ <= 0) return;
  const int filled = done_ * kBarWidth / total_;
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const std::string left = TimeLeft(elapsed, done_, total_);
  std::cerr << "[" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] "
            << done_ << "/" << total_ << " " << unit_ << (left.empty() ? "" : ", " + left + " left")
            << std::flush;
}

void Progress::ClearBar() const {
  if (terminal_ && total_ > 0) std::cerr << "\r\033[K" << std::flush;
}

std::string TimeLeft(double elapsed, int done, int total) {
  if (done <= 0 || done >= total || elapsed < 0) return done >= total && done > 0 ? "0:00" : "";
  const long seconds = std::lround(elapsed / done * (total - done));
  char text[32];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
  }
  return text;
}

}  // namespace vermora::cli
