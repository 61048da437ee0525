#include "render/job_list.h"

#include <filesystem>

#include "common/file_io.h"

namespace fs = std::filesystem;

namespace vermora {

namespace {

constexpr const char* kIncludeFolder = "include/";
constexpr const char* kSandboxScript = "sandbox.sh";
// ssh keeping one connection to a host open for every call of a run, and a
// minute after it; the socket is the local user's (%i), in a folder every host has.
constexpr const char* kSharedSsh =
    "ssh -o ControlMaster=auto -o ControlPersist=60 -o ControlPath=/tmp/vermora-ssh-%i-%C";

// Each job runs POV-Ray through this script, on whichever host it lands: closed
// in by bubblewrap where the host has it, the job's folder its only writable place.
constexpr const char* kSandboxText = R"(#!/bin/sh
# Runs the command after it (POV-Ray for one frame) closed in where this host has
# bubblewrap: the current folder is the only place it may write, the system's
# folders are read-only, and it sees no network, no home and no other process.
# Where bubblewrap is missing or cannot start, it says so and runs POV-Ray with
# POV-Ray's own file restrictions alone.
here=$(pwd)
opts="--unshare-all --die-with-parent --new-session --cap-drop ALL --ro-bind /usr /usr"
for dir in /bin /sbin /lib /lib32 /lib64 /libx32; do
  if [ -L "$dir" ]; then opts="$opts --symlink $(readlink "$dir") $dir"
  elif [ -d "$dir" ]; then opts="$opts --ro-bind $dir $dir"; fi
done
for file in /etc/ld.so.cache /etc/alternatives /etc/povray; do
  if [ -e "$file" ]; then opts="$opts --ro-bind $file $file"; fi
done
opts="$opts --dev /dev --proc /proc --tmpfs /tmp"
# The folders and links above hold no blanks: $opts splits into its words.
# shellcheck disable=SC2086
if command -v bwrap >/dev/null 2>&1 && bwrap $opts -- /bin/true 2>/dev/null; then
  # POV-Ray's own restrictions inside as a second wall: this folder alone.
  exec bwrap $opts --bind "$here" "$here" --chdir "$here" --clearenv --setenv HOME /tmp/home \
    --dir /tmp/home/.povray/3.7 --file 3 /tmp/home/.povray/3.7/povray.conf \
    --setenv PATH /usr/bin:/bin --setenv LC_ALL C -- "$@" 3<<CONF
[File I/O Security]
restricted
[Shellout Security]
forbidden
[Permitted Paths]
read* = /usr/share/povray-3.7
read+write* = "$here"
CONF
fi
echo "sandbox.sh: POV-Ray runs without a sandbox on $(uname -n): install bubblewrap there" >&2
exec "$@"
)";

// A word that means the same to every shell it passes through: the user's,
// then the one GNU Parallel starts on each host.
bool ShellSafe(const std::string& word) {
  return !word.empty() && word.find_first_not_of(
                              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                              "0123456789+-_./=,:@%{}") == std::string::npos;
}

// The call with our include folder in place of the local ones, no messages
// file, and each word of `from` replaced by the word of `to` beside it.
std::string Call(const std::vector<std::string>& args, const std::vector<std::string>& from,
                 const std::vector<std::string>& to, bool quote) {
  std::string line = std::string("sh ") + kSandboxScript + " povray";
  bool include_given = false;
  for (std::string arg : args) {
    // What POV-Ray says reaches parallel, which keeps it here: no messages file
    // to bring back.
    if (arg.rfind("All_File=", 0) == 0) continue;
    if (arg.rfind("+L", 0) == 0) {
      if (std::exchange(include_given, true)) continue;
      arg = std::string("+L") + kIncludeFolder;
    }
    for (size_t w = 0; w < from.size(); ++w) {
      for (size_t at = arg.find(from[w]); at != std::string::npos;
           at = arg.find(from[w], at + to[w].size())) {
        arg.replace(at, from[w].size(), to[w]);
      }
    }
    line += " " + (quote ? ShellQuote(arg) : arg);
  }
  return line;
}

// What differs from job to job, in the words the call holds and in the
// columns of the list parallel reads: a frame's name, or a band's name and rows.
std::vector<std::string> Columns(const std::string& name, const std::vector<RowBand>& bands,
                                 size_t i) {
  if (bands.empty()) return {name};
  return {name, "+SR" + std::to_string(bands[i].first), "+ER" + std::to_string(bands[i].last)};
}

}  // namespace

std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

void JobList::Add(const RenderInvocation& invocation) {
  names_.push_back(fs::path(invocation.image_path).stem().string());
  args_.push_back(invocation.args);
}

void JobList::AddBand(const RenderInvocation& invocation, const std::string& name,
                      const RowBand& band) {
  names_.push_back(name);
  args_.push_back(invocation.args);
  bands_.push_back(band);
  for (const std::string& arg : invocation.args) {
    if (arg.rfind("+I", 0) == 0) scene_ = arg.substr(2);
  }
}

Status JobList::Finish(const std::vector<std::string>& include_dirs, std::string& command,
                       const std::string& after) const {
  std::error_code ec;
  fs::create_directories(folder_ + kIncludeFolder, ec);
  std::vector<std::string> includes;
  for (const std::string& dir : include_dirs) {
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec)) {
      if (e.path().extension() != ".inc") continue;
      const std::string name = e.path().filename().string();
      fs::copy_file(e.path(), folder_ + kIncludeFolder + name, fs::copy_options::overwrite_existing,
                    ec);
      if (ec)
        return Status::Error("cannot copy " + e.path().string() + " into " + folder_ + ": " +
                             ec.message());
      includes.push_back(std::string(kIncludeFolder) + name);
    }
  }
  // No word of a set may reach a shell line: every word is the program's own
  // or a checked size, and anything else stops the list before it is written.
  for (size_t i = 0; i < names_.size(); ++i) {
    if (!ShellSafe(names_[i]))
      return Status::Error("the frame name " + ShellQuote(names_[i]) +
                           " cannot go into a job list");
    for (const std::string& arg : args_[i]) {
      if (arg.rfind("+L", 0) != 0 && !ShellSafe(arg)) {
        return Status::Error("the renderer option " + ShellQuote(arg) +
                             " cannot go into a job list");
      }
    }
  }
  const bool bands = !bands_.empty();
  std::string jobs, list;
  for (size_t i = 0; i < names_.size(); ++i) {
    const std::vector<std::string> columns = Columns(names_[i], bands_, i);
    jobs += Call(args_[i], columns, columns, true) + "\n";
    for (size_t c = 0; c < columns.size(); ++c) {
      list += (c ? " " : "") + (c ? columns[c].substr(3) : columns[c]);
    }
    list += "\n";
  }
  const std::string list_name = bands ? "parts.txt" : "frames.txt";
  // Parallel's {1}, {2}, {3} take a band's columns; {} a frame's whole line.
  const std::vector<std::string> holes =
      bands ? std::vector<std::string>{"{1}", "+SR{2}", "+ER{3}"} : std::vector<std::string>{"{}"};
  const std::string slot = bands ? "{1}" : "{}";
  // One ssh connection a host for the whole run, shared by every job's calls,
  // not a login a job; the sandbox script, the include files and a still's one
  // scene go to each host once (--basefile). (parallel's own --controlmaster
  // skips the base files.)
  command = std::string("parallel --will-cite --ssh '") + kSharedSsh +
            "' --sshloginfile hosts.txt --joblog jobs.log --resume-failed";
  if (bands) command += " --colsep ' '";
  command += std::string(" --basefile ") + kSandboxScript;
  for (const std::string& include : includes) command += " --basefile " + ShellQuote(include);
  if (bands) {
    command += " --basefile " + ShellQuote(scene_) + " --return " + slot + ".png";
  } else {
    command += " --transferfile {}.pov --return {}.bmp";
  }
  command += " --results " + slot + ".log --cleanup ";
  command +=
      (names_.empty() ? std::string("sh ") + kSandboxScript + " povray"
                      : Call(args_.front(), Columns(names_.front(), bands_, 0), holes, false));
  command += " :::: " + list_name;
  const std::string readme =
      "Scenes to render on other hosts with GNU Parallel. A host needs only POV-Ray\n"
      "(and ssh); nothing of this folder has to be there. Each job runs POV-Ray\n"
      "through sandbox.sh, which closes it in with bubblewrap where the host has it\n"
      "(Debian's package bubblewrap), so a scene can write nowhere but its folder.\n\n"
      "In this folder, name the hosts in hosts.txt (one a line, such as 4/me@host1 for\n"
      "four jobs at once; a line \":\" is this machine), then run:\n\n    " +
      command + "\n\n" +
      (bands ? "Every host gets the one scene " + scene_ +
                   " once and renders bands of its rows; each band's\n"
                   "picture comes back, over\n"
             : std::string("Each scene travels to its host and its picture comes back, over\n")) +
      "one ssh connection a host for the whole run (ssh's ControlMaster); the include\n"
      "files in include/ go to each host once; " +
      (bands ? "bands" : "frames") +
      " are handed out one at a time,\n"
      "so a faster host takes more of them; what POV-Ray said of each is kept here\n"
      "(NAME.log, NAME.log.err); --cleanup leaves the hosts as\n"
      "they were. jobs.log says which host ran which job and how it ended; run the\n"
      "same command again to render only the jobs that failed or never ran.\n"
      "On one machine: parallel < jobs.txt\n" +
      after;
  for (const auto& [name, text] :
       {std::pair{"jobs.txt", jobs}, std::pair{list_name.c_str(), list},
        std::pair{"README.txt", readme}, std::pair{kSandboxScript, std::string(kSandboxText)}}) {
    if (Status s = WriteFileReplacing(folder_ + name, text); !s.ok()) return s;
  }
  return Status::Ok();
}

}  // namespace vermora
