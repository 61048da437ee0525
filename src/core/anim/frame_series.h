#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/random.h"
#include "common/status.h"
#include "params/parameter_set.h"
#include "render/renderer.h"

namespace vermora {

// The file name of the frame scene with this counter: "anim001.pov".
std::string FrameFileName(int counter);

// One finished frame, reported in frame order.
struct FrameReport {
  int counter = 0;  // the number in the frame's file name
  std::string scene_path;
  RenderOutcome outcome;
};

struct FrameSeriesSettings {
  std::string folder;  // the program folder, ending in '/'; frames are written here
  std::string povray;  // the renderer's path
  std::vector<std::string> include_dirs;
  int jobs = 1;  // frames rendered at once
  // Each frame writes its own messages file ("anim001.out"); always so when
  // renders overlap.
  bool own_messages = false;
  int timeout_seconds = 0;       // per frame; 0 waits without limit
  RenderShare share;             // the machine the renders may take
  const Clock* clock = nullptr;  // the system clock when null
  // Renders one frame; RunRenderer when empty. Called from worker threads
  // when `jobs` is above 1.
  std::function<RenderOutcome(const RenderInvocation&)> render;
  // Called on the calling thread after each frame; false stops the series.
  std::function<bool(const FrameReport&)> after_frame;
  // Asked before each frame; false stops the series (the stop button).
  std::function<bool()> running;
};

struct FrameSeriesResult {
  Status status = Status::Ok();  // what ended the series early, if anything
  int rendered = 0;              // frames the renderer finished without failure
  int failed_counter = 0;        // the frame whose render failed, or 0
  bool stopped = false;          // stopped by the user
  std::vector<std::string> warnings;
};

// Renders the frame series from the start set (the fields) to the end set (the
// end twins) and afterwards puts the start set back exactly, whatever
// happened. The frame scenes are composed in order on the calling thread;
// with `jobs` above 1 their renders overlap, each with its own messages file.
FrameSeriesResult RunFrameSeries(ParameterSet& set, const FrameSeriesSettings& settings);

// How many frames RunFrameSeries renders for `set`: those of the series's steps
// from its start frame to its end frame; 0 when the fields hold no numbers.
int FramesToRender(const ParameterSet& set);

}  // namespace vermora
