#pragma once

#include <string>
#include <string_view>

#include "common/status.h"

namespace vermora {

// The message shown for a failed open, read, write or close, from errno.
std::string IoErrorMessage(int error_code);

Status ReadWholeFile(const std::string& path, std::string& contents);

// The one way every save writes a file. A regular file (or a new one) is
// written beside `path` and renamed over it, so a reader sees the old file or
// the complete new one, never a torn one; the old file's permissions are kept.
// A symbolic link is followed and its target replaced, the link left as it is.
// A device, FIFO or socket is written in place, never replaced.
Status WriteFileReplacing(const std::string& path, std::string_view contents);

}  // namespace vermora
