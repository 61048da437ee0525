#include "still_files.h"

#include <stdlib.h>

#include <filesystem>
#include <iostream>

#include "command_line.h"
#include "common/file_io.h"
#include "render/failed_logs.h"
#include "talk.h"

namespace fs = std::filesystem;

namespace vermora::cli {

WorkFolder::WorkFolder(bool keep) : keep_(keep) {
  std::string pattern = (fs::temp_directory_path() / "vermora-XXXXXX").string();
  if (mkdtemp(pattern.data())) path_ = pattern + "/";
}

WorkFolder::~WorkFolder() {
  std::error_code ignored;
  if (!keep_ && !path_.empty()) fs::remove_all(path_, ignored);
}

int RenderFailed(const RenderOutcome& outcome, bool keep_work, const std::string& folder,
                 const std::string& log_path) {
  const std::string said = outcome.messages.empty() ? outcome.output : outcome.messages;
  if (!Verbose()) std::cerr << said;
  if (!log_path.empty()) (void)WriteFileReplacing(log_path, said);
  if (keep_work) return Fail(outcome.failure + " (scene kept in " + folder + ")", kRenderFailed);
  const std::string log = KeepFailedRenderLog(said);
  return Fail(outcome.failure + (log.empty() ? "" : " (messages kept in " + log + ")"),
              kRenderFailed);
}

int WritePicture(const std::string& from, const std::string& out) {
  std::string picture;
  Status copied = ReadWholeFile(from, picture);
  if (copied.ok()) copied = WriteFileReplacing(out, picture);
  if (!copied.ok()) return Fail("cannot write " + out + ": " + copied.message());
  Wrote(out);
  return kDone;
}

}  // namespace vermora::cli
