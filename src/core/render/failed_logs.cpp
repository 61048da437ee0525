#include "render/failed_logs.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "common/file_io.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

// The number N of "render-N.log", or -1.
long LogNumber(const fs::path& path) {
  const std::string name = path.filename().string();
  if (name.rfind("render-", 0) != 0 || path.extension() != ".log") return -1;
  const std::string digits = name.substr(7, name.size() - 11);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stol(digits);
}

}  // namespace

std::string KeepFailedRenderLog(const std::string& messages) {
  std::error_code ec;
  const fs::path dir = fs::temp_directory_path(ec) / ("vermora-logs-" + std::to_string(getuid()));
  fs::create_directory(dir, ec);
  // A folder someone else made there, or a link, is not ours to write in.
  struct stat info;
  if (lstat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
    return {};
  fs::permissions(dir, fs::perms::owner_all, ec);
  std::vector<long> numbers;
  for (const fs::directory_entry& e : fs::directory_iterator(dir, ec)) {
    if (const long n = LogNumber(e.path()); n >= 0) numbers.push_back(n);
  }
  std::sort(numbers.begin(), numbers.end());
  const long next = numbers.empty() ? 1 : numbers.back() + 1;
  std::string path = (dir / ("render-" + std::to_string(next) + ".log")).string();
  if (!WriteFileReplacing(path, messages).ok()) return {};
  numbers.push_back(next);
  for (size_t i = 0; i + kKeptLogs < numbers.size(); ++i) {
    fs::remove(dir / ("render-" + std::to_string(numbers[i]) + ".log"), ec);
  }
  return path;
}

}  // namespace vermora
