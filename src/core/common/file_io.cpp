#include "common/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace vermora {

std::string IoErrorMessage(int error_code) {
  switch (error_code) {
    case ENOENT:
    case ENOTDIR:
      return "File not found";
    case EINVAL:
    case ENAMETOOLONG:
    case EISDIR:
      return "Invalid filename";
    case EMFILE:
    case ENFILE:
      return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
      return "File access denied";
    case ENOSPC:
    case EDQUOT:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(error_code);
  }
}

Status ReadWholeFile(const std::string& path, std::string& contents) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return Status::Error(IoErrorMessage(errno ? errno : ENOENT));
  std::string data;
  char buf[1 << 16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) data.append(buf, n);
  const bool failed = std::ferror(file);
  const int error_code = errno;
  std::fclose(file);
  if (failed) return Status::Error(IoErrorMessage(error_code ? error_code : EIO));
  contents = std::move(data);
  return Status::Ok();
}

Status WriteFileReplacing(const std::string& path, const std::string& contents) {
  const std::string temp = path + ".part~";
  errno = 0;
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) return Status::Error(IoErrorMessage(errno ? errno : EACCES));
  const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  int error_code = errno;
  const bool closed = std::fclose(file) == 0;
  if (!closed && error_code == 0) error_code = errno;
  if (!written || !closed) {
    std::remove(temp.c_str());
    return Status::Error(IoErrorMessage(error_code ? error_code : EIO));
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error_code = errno;
    std::remove(temp.c_str());
    return Status::Error(IoErrorMessage(error_code));
  }
  return Status::Ok();
}

}  // namespace vermora
