#include "std_streams.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>

#include "common/file_io.h"

namespace vermora::cli {

namespace fs = std::filesystem;

namespace {

std::string stdout_stand_in;

Status MakePrivateFolder(std::string& folder) {
  std::string pattern = (fs::temp_directory_path() / "vermora-stream-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return Status::Error("cannot create a working folder in /tmp");
  folder = pattern;
  return Status::Ok();
}

void RemoveFolder(const std::string& folder) {
  std::error_code ignored;
  if (!folder.empty()) fs::remove_all(folder, ignored);
}

}  // namespace

StdinFile::~StdinFile() { RemoveFolder(folder_); }

Status StdinFile::Take(const std::string& extension) {
  if (Status s = MakePrivateFolder(folder_); !s.ok()) return s;
  path_ = folder_ + "/standard-input" + extension;
  std::ios::sync_with_stdio(false);
  const std::string bytes{std::istreambuf_iterator<char>(std::cin),
                          std::istreambuf_iterator<char>()};
  if (std::cin.bad()) return Status::Error("cannot read standard input");
  return WriteFileReplacing(path_, bytes);
}

StdoutFile::~StdoutFile() {
  RemoveFolder(folder_);
  if (stdout_stand_in == path_) stdout_stand_in.clear();
}

Status StdoutFile::Make(const std::string& extension) {
  if (Status s = MakePrivateFolder(folder_); !s.ok()) return s;
  path_ = folder_ + "/standard-output" + extension;
  stdout_stand_in = path_;
  return Status::Ok();
}

Status StdoutFile::Deliver() const {
  std::string bytes;
  if (Status s = ReadWholeFile(path_, bytes); !s.ok()) return s;
  // A reader that stops early (head) ends the pipe: no failure of ours, and the
  // stand-in still goes, which a death by SIGPIPE would leave behind.
  std::signal(SIGPIPE, SIG_IGN);
  errno = 0;
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  if (!std::cout && errno != EPIPE) return Status::Error("cannot write to standard output");
  return Status::Ok();
}

bool IsStdoutStandIn(const std::string& path) {
  return !stdout_stand_in.empty() && path == stdout_stand_in;
}

}  // namespace vermora::cli
