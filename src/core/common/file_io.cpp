#include "common/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace vermora {
namespace {

// Writes all of `contents` to an open descriptor; errno is left set on failure.
bool WriteAll(int fd, std::string_view contents) {
  size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

Status Failure(int error_code) {
  return Status::Error(IoErrorMessage(error_code ? error_code : EIO));
}

// A device, a FIFO or a socket is written where it stands: replacing it by a
// plain file would take the device away (and /dev/null is no place for a file).
Status WriteInPlace(const std::string& path, std::string_view contents) {
  // A FIFO with no reader would hold the write forever: it is opened without
  // waiting, and only then written as usual. A reader starting at the same
  // moment gets a few seconds to open its end.
  int fd = -1;
  for (int tries = 0; tries < 250; ++tries) {
    fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0 || errno != ENXIO) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (fd < 0)
    return errno == ENXIO ? Status::Error("No program reads from " + path) : Failure(errno);
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  const bool written = WriteAll(fd, contents);
  const int error_code = errno;
  if (close(fd) != 0 && written) return Failure(errno);
  return written ? Status::Ok() : Failure(error_code);
}

// Swaps the new file at `temp` with the old one at `target` in one step, so a
// reader sees one or the other, then removes the old one; false, with nothing
// changed, where the file system cannot swap (the caller renames instead).
bool SwapInto(const std::string& temp, const std::string& target) {
  if (renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0) {
    return false;
  }
  unlink(temp.c_str());
  return true;
}

}  // namespace

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

Status WriteFileReplacing(const std::string& path, std::string_view contents, FileUse use) {
  // A symbolic link stays a link: the file it points to is the one replaced.
  std::string target = path;
  struct stat link_info;
  if (lstat(path.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode)) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved)) {
      target = resolved;
    } else if (errno == ENOENT) {
      // A dangling link: its target is made where the link points.
      char buf[PATH_MAX];
      const ssize_t n = readlink(path.c_str(), buf, sizeof buf - 1);
      if (n <= 0) return Failure(errno);
      target.assign(buf, static_cast<size_t>(n));
      if (target.front() != '/') {
        const size_t slash = path.rfind('/');
        if (slash != std::string::npos) target = path.substr(0, slash + 1) + target;
      }
    } else {
      return Failure(errno);
    }
  }
  struct stat info;
  const bool exists = stat(target.c_str(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) {
    if (S_ISDIR(info.st_mode)) return Failure(EISDIR);
    return WriteInPlace(target, contents);
  }
  // A file made read-only stays as it is, as writing into it would fail; root,
  // whom no mode stops, is held by the mode all the same.
  if (exists && (geteuid() == 0 ? (info.st_mode & 0222) == 0 : access(target.c_str(), W_OK) != 0)) {
    return Failure(EACCES);
  }

  // A regular file is replaced whole: written beside it, then renamed over it,
  // so a reader sees the old file or the complete new one, never a torn one.
  std::string temp = target + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return Failure(errno);
  // The new file keeps the old one's permissions; a new one gets the usual
  // mode for the user's umask.
  mode_t mode = 0666;
  if (exists) {
    mode = info.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode &= ~mask;
  }
  bool ok = fchmod(fd, mode) == 0;
  // Only root may give the file back its owner; for anyone else it is theirs.
  if (exists && geteuid() == 0 && fchown(fd, info.st_uid, info.st_gid) != 0) ok = false;
  ok = WriteAll(fd, contents) && ok;
  int error_code = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    error_code = errno;
  }
  if (ok && exists && use == FileUse::kRemade && SwapInto(temp, target)) return Status::Ok();
  if (!ok || rename(temp.c_str(), target.c_str()) != 0) {
    if (ok) error_code = errno;
    unlink(temp.c_str());
    return Failure(error_code);
  }
  return Status::Ok();
}

}  // namespace vermora
