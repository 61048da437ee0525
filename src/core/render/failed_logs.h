#pragma once

#include <string>

namespace vermora {

// The messages of failed renders are kept when their private folders go: in
// the folder vermora-logs-UID under the temporary folder, as render-N.log,
// numbered on, the newest kKeptLogs of them.
inline constexpr int kKeptLogs = 5;

// Writes `messages` as the next log and removes the oldest beyond kKeptLogs;
// returns its path, or empty when it could not be written.
std::string KeepFailedRenderLog(const std::string& messages);

}  // namespace vermora
