#pragma once

#include <string>
#include <vector>

namespace vermora {

// The ffmpeg call that joins the frame pictures of `folder` (anim001.bmp ...),
// from frame `first` on, `count` of them (0: as many as follow), into `video`,
// whose extension picks the format: .mp4, .webm or .gif. Empty for any other.
std::vector<std::string> VideoCall(const std::string& folder, int first, int count,
                                   const std::string& video, const std::string& fps);

}  // namespace vermora
