#pragma once

#include <string>
#include <string_view>

#include "common/status.h"

namespace vermora {

// The message shown for a failed open, read, write or close, from errno.
std::string IoErrorMessage(int error_code);

Status ReadWholeFile(const std::string& path, std::string& contents);

// What a replaced file is to the user, which says how soon its data must be on
// the disk.
enum class FileUse {
  // A file the user keeps (sets, textures, exports). Renamed over the old one,
  // which ext4 and others take as the sign to write the new data out at once:
  // after a crash soon after, the path holds the old or the new file, not an
  // empty one.
  kKept,
  // A file the program makes again from the set for every render (the working
  // scene files). Swapped with the old one instead, which skips that early
  // write-back: on ext4 it took longer than writing the scene's text. After a
  // crash soon after it may be empty; the next render writes it again.
  kRemade,
};

// The one way every save writes a file. A regular file (or a new one) is
// written beside `path` and then renamed over it or swapped with it (`use`),
// so a reader sees the old file or the complete new one, never a torn one; the
// old file's permissions are kept.
// A symbolic link is followed and its target replaced, the link left as it is.
// A device, FIFO or socket is written in place, never replaced.
Status WriteFileReplacing(const std::string& path, std::string_view contents,
                          FileUse use = FileUse::kKept);

}  // namespace vermora
