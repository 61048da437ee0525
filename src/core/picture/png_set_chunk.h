#pragma once

#include <string>

#include "common/status.h"

namespace vermora {

// The keyword of the compressed text chunk that carries a whole settings file.
inline constexpr const char* kSetChunkKeyword = "Vermora set";

// Rewrites the PNG picture at `path` with `settings_text` (the bytes of a
// settings file) in a chunk of its own, replacing one it held before. The
// pixels and the other chunks stay as they were.
Status EmbedSetInPng(const std::string& path, const std::string& settings_text);

// Reads the settings file a PNG picture carries into `settings_text`, byte for
// byte. Refuses a file that is not a PNG, one without our chunk, and a damaged one.
Status ReadSetFromPng(const std::string& path, std::string& settings_text);

}  // namespace vermora
