#pragma once

#include <string>

#include "common/status.h"

namespace vermora::cli {

// "-" in place of a file name: standard input or standard output.
inline bool IsStdStream(const std::string& name) { return name == "-"; }

// Standard input kept in a private temporary file, so that a command reads "-"
// by name like any other file. The file goes with the object.
class StdinFile {
 public:
  StdinFile() = default;
  StdinFile(const StdinFile&) = delete;
  StdinFile& operator=(const StdinFile&) = delete;
  ~StdinFile();

  // Reads all of standard input into "<temp>/standard-input<extension>".
  Status Take(const std::string& extension);
  const std::string& path() const { return path_; }

 private:
  std::string folder_, path_;
};

// For "-o -": a private temporary file the command writes by name, sent whole to
// standard output by Deliver() once the command has succeeded; otherwise the
// file name itself. The file goes with the object.
class StdoutFile {
 public:
  StdoutFile() = default;
  StdoutFile(const StdoutFile&) = delete;
  StdoutFile& operator=(const StdoutFile&) = delete;
  ~StdoutFile();

  // Makes the stand-in "<temp>/standard-output<extension>".
  Status Make(const std::string& extension);
  const std::string& path() const { return path_; }
  Status Deliver() const;

 private:
  std::string folder_, path_;
};

// True when `path` is the stand-in of "-o -" (nothing to announce).
bool IsStdoutStandIn(const std::string& path);

}  // namespace vermora::cli
