#pragma once

#include <string>

#include "render/renderer.h"

namespace vermora::cli {

// A private folder under /tmp for a command's renders (POV-Ray may only write
// below its current folder, /tmp and $HOME), removed as it goes out of scope
// unless kept.
class WorkFolder {
 public:
  explicit WorkFolder(bool keep);
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const std::string& path() const { return path_; }  // ends in "/"; empty if not made

 private:
  bool keep_;
  std::string path_;
};

// Says why a render failed: POV-Ray's messages (unless -v showed them), then
// the failure and where the scene (kept in `folder`) or the messages (copied
// aside) are, and keeps the messages in `log_path` too when given. Gives
// kRenderFailed.
int RenderFailed(const RenderOutcome& outcome, bool keep_work, const std::string& folder,
                 const std::string& log_path = "");

// Replaces `out` with the picture at `from` only once it is whole, so a full
// disk keeps the old one, and says so.
int WritePicture(const std::string& from, const std::string& out);

}  // namespace vermora::cli
