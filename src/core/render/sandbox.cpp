#include "render/sandbox.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "common/child_process.h"
#include "common/run_program.h"

extern char** environ;

namespace vermora {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSystemConf = "/etc/povray/3.7/povray.conf";
constexpr const char* kUserConf = ".povray/3.7/povray.conf";

std::string BwrapProgram() {
  if (const char* named = std::getenv("VERMORA_BWRAP")) return named;
  for (const char* path : {"/usr/bin/bwrap", "/bin/bwrap", "/usr/local/bin/bwrap"}) {
    if (access(path, X_OK) == 0) return path;
  }
  return "bwrap";
}

// The system folders every program needs, read-only; on a merged /usr the old
// folders are links into it.
void SystemFolders(std::vector<std::string>& argv) {
  std::error_code ec;
  for (const char* dir : {"/usr", "/bin", "/sbin", "/lib", "/lib32", "/lib64", "/libx32"}) {
    if (fs::is_symlink(dir, ec)) {
      argv.insert(argv.end(), {"--symlink", fs::read_symlink(dir, ec).string(), dir});
    } else if (fs::is_directory(dir, ec)) {
      argv.insert(argv.end(), {"--ro-bind", dir, dir});
    }
  }
  for (const char* file : {"/etc/ld.so.cache", "/etc/alternatives", "/etc/povray"}) {
    argv.insert(argv.end(), {"--ro-bind-try", file, file});
  }
  argv.insert(argv.end(), {"--dev", "/dev", "--proc", "/proc", "--tmpfs", "/tmp"});
}

std::vector<std::string> BwrapStart(const std::string& bwrap) {
  // No --new-session: the run gets a session of its own from RenderChildSetup,
  // so that one signal to its process group ends bubblewrap and POV-Ray together.
  std::vector<std::string> argv = {bwrap, "--unshare-all", "--die-with-parent", "--cap-drop",
                                   "ALL"};
  SystemFolders(argv);
  return argv;
}

// The folder of a program outside the system folders, and of the file a link
// to it names, so that it can be started inside.
void ProgramFolders(const std::string& program, std::vector<std::string>& argv) {
  std::error_code ec;
  for (const fs::path& path : {fs::path(program), fs::canonical(program, ec)}) {
    const std::string dir = path.parent_path().string();
    if (dir.empty() || dir.rfind("/usr/", 0) == 0 || dir == "/bin" || dir == "/sbin") continue;
    argv.insert(argv.end(), {"--ro-bind-try", dir, dir});
  }
}

struct Availability {
  bool works = false;
  std::string why_not;
};

const Availability& CheckedAvailability() {
  static const Availability checked = [] {
    Availability a;
    const std::string bwrap = BwrapProgram();
    if (access(bwrap.c_str(), X_OK) != 0) {
      a.why_not = "bubblewrap (" + bwrap +
                  ") is not installed; install it with: sudo apt-get install bubblewrap";
      return a;
    }
    std::vector<std::string> probe = BwrapStart(bwrap);
    probe.insert(probe.end(), {"--", "/bin/true"});
    a.works = RunProgram(probe) == 0;
    if (!a.works)
      a.why_not = "bubblewrap (" + bwrap + ") cannot start here (are user namespaces allowed?)";
    return a;
  }();
  return checked;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

static bool SandboxOff() {
  const char* named = std::getenv("VERMORA_BWRAP");
  return named && std::string_view(named) == "none";
}

bool SandboxAvailable() { return !SandboxOff() && CheckedAvailability().works; }

std::string TakeSandboxNotice() {
  static std::atomic<bool> told{false};
  if (SandboxAvailable() || told.exchange(true)) return {};
  return "POV-Ray runs without a sandbox: " +
         (SandboxOff() ? std::string("VERMORA_BWRAP is \"none\"") : CheckedAvailability().why_not) +
         ". Only POV-Ray's own file restrictions and the question before a set that uses files "
         "keep a set "
         "from the files outside its folder; install bubblewrap to close each run in.";
}

bool WritePovrayConf(const SandboxRoom& room) {
  const fs::path conf = fs::path(room.home) / kUserConf;
  std::error_code ec;
  fs::create_directories(conf.parent_path(), ec);
  std::ofstream out(conf);
  out << "[File I/O Security]\nrestricted\n[Shellout Security]\nforbidden\n[Permitted Paths]\n";
  for (const std::string& path : room.read_only) out << "read* = " << Quoted(path) << "\n";
  out << "read+write* = " << Quoted(room.folder) << "\n";
  out.close();
  return static_cast<bool>(out);
}

SandboxedCall Sandbox(const std::string& program, const std::vector<std::string>& args,
                      const SandboxRoom& room) {
  SandboxedCall call;
  if (!SandboxAvailable()) {
    call.argv.push_back(program);
    call.argv.insert(call.argv.end(), args.begin(), args.end());
    for (char** e = environ; e && *e; ++e) {
      if (std::string(*e).rfind("HOME=", 0) != 0) call.env.emplace_back(*e);
    }
    call.env.push_back("HOME=" + room.home);
    return call;
  }
  std::vector<std::string>& argv = call.argv;
  argv = BwrapStart(BwrapProgram());
  ProgramFolders(program, argv);
  for (const std::string& path : room.read_only)
    argv.insert(argv.end(), {"--ro-bind-try", path, path});
  const std::string conf = (fs::path(room.home) / kUserConf).string();
  std::error_code ec;
  if (fs::is_directory(fs::path(kSystemConf).parent_path(), ec)) {
    argv.insert(argv.end(), {"--ro-bind", conf, kSystemConf});
  }
  argv.insert(argv.end(), {"--ro-bind", room.home, room.home,   "--bind",     room.folder,
                           room.folder, "--chdir", room.folder, "--clearenv", "--setenv",
                           "HOME",      room.home, "--setenv",  "PATH",       "/usr/bin:/bin",
                           "--setenv",  "LC_ALL",  "C",         "--",         program});
  argv.insert(argv.end(), args.begin(), args.end());
  for (char** e = environ; e && *e; ++e) call.env.emplace_back(*e);
  return call;
}

std::uint64_t RenderMemoryLimit() {
  if (const char* mb = std::getenv("VERMORA_RENDER_MEMORY_MB")) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(mb, &end, 10);
    if (end != mb && *end == '\0' && value > 0) return value * 1024 * 1024;
  }
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long page_size = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || page_size <= 0) return 0;
  return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(page_size) / 2;
}

void RenderChildSetup(std::uint64_t bytes) { LimitChild(true, bytes); }

}  // namespace vermora
