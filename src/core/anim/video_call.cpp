#include "anim/video_call.h"

namespace vermora {

std::vector<std::string> VideoCall(const std::string& folder, int first, int count,
                                   const std::string& video, const std::string& fps) {
  const size_t dot = video.rfind('.');
  const std::string ext = dot == std::string::npos ? "" : video.substr(dot);
  if (ext != ".mp4" && ext != ".webm" && ext != ".gif") return {};
  std::vector<std::string> call = {"ffmpeg",
                                   "-loglevel",
                                   "error",
                                   "-y",
                                   "-framerate",
                                   fps,
                                   "-start_number",
                                   std::to_string(first),
                                   "-i",
                                   folder + "anim%03d.bmp"};
  if (count > 0) call.insert(call.end(), {"-frames:v", std::to_string(count)});
  // Players want even sizes and the common pixel format; a GIF keeps its palette.
  // The index goes first (fast start), so a player or a browser starts before the end arrives.
  if (ext == ".mp4") {
    call.insert(call.end(), {"-vf", "pad=ceil(iw/2)*2:ceil(ih/2)*2", "-pix_fmt", "yuv420p",
                             "-movflags", "+faststart"});
  }
  if (ext == ".webm") call.insert(call.end(), {"-pix_fmt", "yuv420p"});
  call.push_back(video);
  return call;
}

}  // namespace vermora
