#include "job_list.h"

#include <filesystem>

#include "common/file_io.h"

namespace fs = std::filesystem;

namespace vermora::cli {

namespace {

constexpr const char* kIncludeFolder = "include/";

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// A word that means the same to every shell it passes through: the user's,
// then the one GNU Parallel starts on each host.
bool ShellSafe(const std::string& word) {
  return !word.empty() && word.find_first_not_of(
                              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                              "0123456789+-_./=,:@%{}") == std::string::npos;
}

// The call with our include folder in place of the local ones and the frame's
// name replaced by `name`.
std::string Call(const std::vector<std::string>& args, const std::string& frame, const std::string& name,
                 bool quote) {
  std::string line = "povray";
  bool include_given = false;
  for (std::string arg : args) {
    if (arg.rfind("+L", 0) == 0) {
      if (std::exchange(include_given, true)) continue;
      arg = std::string("+L") + kIncludeFolder;
    }
    for (size_t at = arg.find(frame); at != std::string::npos; at = arg.find(frame, at + name.size())) {
      arg.replace(at, frame.size(), name);
    }
    line += " " + (quote ? Quote(arg) : arg);
  }
  return line;
}

}  // namespace

void JobList::Add(const RenderInvocation& invocation) {
  frames_.push_back(fs::path(invocation.image_path).stem().string());
  args_.push_back(invocation.args);
}

Status JobList::Finish(const std::vector<std::string>& include_dirs, std::string& command) const {
  std::error_code ec;
  fs::create_directories(folder_ + kIncludeFolder, ec);
  std::vector<std::string> includes;
  for (const std::string& dir : include_dirs) {
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec)) {
      if (e.path().extension() != ".inc") continue;
      const std::string name = e.path().filename().string();
      fs::copy_file(e.path(), folder_ + kIncludeFolder + name, fs::copy_options::overwrite_existing, ec);
      if (ec) return Status::Error("cannot copy " + e.path().string() + " into " + folder_ + ": " + ec.message());
      includes.push_back(std::string(kIncludeFolder) + name);
    }
  }
  // No word of a set may reach a shell line: every word is the program's own
  // or a checked size, and anything else stops the list before it is written.
  for (size_t i = 0; i < frames_.size(); ++i) {
    if (!ShellSafe(frames_[i]))
      return Status::Error("the frame name " + Quote(frames_[i]) + " cannot go into a job list");
    for (const std::string& arg : args_[i]) {
      if (arg.rfind("+L", 0) != 0 && !ShellSafe(arg)) {
        return Status::Error("the renderer option " + Quote(arg) + " cannot go into a job list");
      }
    }
  }
  std::string jobs, frames;
  for (size_t i = 0; i < frames_.size(); ++i) {
    jobs += Call(args_[i], frames_[i], frames_[i], true) + "\n";
    frames += frames_[i] + "\n";
  }
  command = "parallel --will-cite --sshloginfile hosts.txt --joblog jobs.log --resume-failed";
  for (const std::string& include : includes) command += " --basefile " + Quote(include);
  command += " --transferfile {}.pov --return {}.bmp --return {}.out --cleanup ";
  command += (frames_.empty() ? std::string("povray") : Call(args_.front(), frames_.front(), "{}", false));
  command += " :::: frames.txt";
  const std::string readme =
      "Scenes to render on other hosts with GNU Parallel. A host needs only POV-Ray\n"
      "(and ssh); nothing of this folder has to be there.\n\n"
      "In this folder, name the hosts in hosts.txt (one a line, such as 4/me@host1 for\n"
      "four jobs at once; a line \":\" is this machine), then run:\n\n    " +
      command +
      "\n\nEach scene travels to its host and its picture and messages come back; the\n"
      "include files in include/ go to each host once; --cleanup leaves the hosts as\n"
      "they were. jobs.log says which host ran which frame and how it ended; run the\n"
      "same command again to render only the scenes that failed or never ran.\n"
      "On one machine: parallel < jobs.txt\n";
  for (const auto& [name, text] : {std::pair{"jobs.txt", jobs}, std::pair{"frames.txt", frames},
                                   std::pair{"README.txt", readme}}) {
    if (Status s = WriteFileReplacing(folder_ + name, text); !s.ok()) return s;
  }
  return Status::Ok();
}

}  // namespace vermora::cli
