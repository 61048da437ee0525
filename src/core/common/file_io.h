#pragma once

#include <string>

#include "common/status.h"

namespace vermora {

// The message shown for a failed open, read, write or close, from errno.
std::string IoErrorMessage(int error_code);

Status ReadWholeFile(const std::string& path, std::string& contents);

// Writes `contents` beside `path`, then renames it over `path`: a reader sees
// the old file or the complete new one, never a torn one.
Status WriteFileReplacing(const std::string& path, const std::string& contents);

}  // namespace vermora
