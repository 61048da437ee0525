#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "params/entry_check.h"

namespace vermora {

class ParameterSet;

// What is wrong with a picture side typed in the field `label`, or empty.
std::string PictureSideProblem(std::string_view label, std::string_view text);

// What is wrong with the set's picture width and height, named by their labels
// ("Picture width (px)"), or empty when both are valid.
std::string PictureSizeProblem(const ParameterSet& set);

// The renderer's fixed command line for one render: the scene, the picture size
// as typed, anti-aliasing, the picture file and the messages file, all in
// `folder` (which ends in a path separator).
std::string RenderCommandLine(const std::string& povray_path, const std::string& folder,
                              const std::string& scene_name, const std::string& width_text,
                              const std::string& height_text, bool antialias,
                              const std::string& image_name = "TEMP.BMP");

// The command line of one frame of a series: no anti-aliasing piece, and the
// picture named by the renderer after the frame file, in `folder`.
std::string FrameCommandLine(const std::string& povray_path, const std::string& folder,
                             const std::string& frame_path, const std::string& width_text,
                             const std::string& height_text);

// The same command line as a program and its arguments for this platform's
// POV-Ray: no shell is involved, so names with blanks or quotes stay whole.
struct RenderInvocation {
  std::string program;
  std::vector<std::string> args;
  std::string working_dir;    // POV-Ray may only write here (and /tmp, $HOME)
  std::string image_path;     // where the caller expects the picture
  std::string written_image;  // where POV-Ray writes it (it may append an extension)
  std::string messages_path;  // the All_File
  int nice = 0;               // the renderer runs at this niceness (0: as we do)
};

// How much of the machine a render takes: a queued render runs nicer and
// leaves cores to the designer's own renders.
struct RenderShare {
  int nice = 0;          // 0: as we run
  int work_threads = 0;  // POV-Ray's threads (+WT); 0: one a core
};

// Gives `inv` the niceness and the threads of `share`.
void ApplyShare(const RenderShare& share, RenderInvocation& inv);

// Translates the fixed command line. `include_dirs` are passed with +L so that
// scenes find the include files we ship. Fails (empty program) on a line that
// does not have the fixed form, or that holds any option but the fixed ones
// with valid sizes.
RenderInvocation TranslateCommandLine(const std::string& command_line,
                                      const std::vector<std::string>& include_dirs);

}  // namespace vermora
