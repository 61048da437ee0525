#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <utility>

#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "support/test_support.h"

extern char** environ;

namespace vermora {
namespace {

namespace fs = std::filesystem;
using test::Shell;

// A loopback port no one listens on at this moment (another program may still
// take it before sshd binds it).
int FreeLoopbackPort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  bind(s, reinterpret_cast<sockaddr*>(&address), size);
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
  close(s);
  return ntohs(address.sin_port);
}

// An ssh server of the test's own on loopback, with its own host key and a key
// to log in with; the "host" works in a home folder of its own.
class SshHost {
 public:
  explicit SshHost(const std::string& dir) : dir_(dir) {
    if (Shell("ssh-keygen -q -t ed25519 -N '' -f " + dir_ +
              "host_key && ssh-keygen -q -t ed25519 -N '' -f " + dir_ +
              "user_key && mkdir -p /run/sshd")
            .code != 0) {
      return;
    }
    // When another program takes the port first, sshd cannot listen and ends:
    // the next try takes a fresh port.
    for (int attempt = 0; attempt < 5 && !started(); ++attempt) Start(FreeLoopbackPort());
  }
  ~SshHost() { Stop(); }
  // Ends the connection the job lists' ssh keeps open, then the server, and
  // waits until it is gone.
  void Stop() {
    if (pid_ <= 0) return;
    Shell(Ssh() + " -o ControlPath=/tmp/vermora-ssh-%i-%C -O exit 127.0.0.1");
    End(std::exchange(pid_, 0));
  }
  bool started() const { return pid_ > 0; }
  std::string Ssh() const {
    return "ssh -i " + dir_ + "user_key -p " + std::to_string(port_) +
           " -o StrictHostKeyChecking=no -o UserKnownHostsFile=/dev/null -o BatchMode=yes -o "
           "LogLevel=ERROR"
           " -o ConnectTimeout=120";
  }
  std::string home() const { return dir_ + "home/"; }

 private:
  // Runs sshd on `port` in the foreground and waits until the test's key logs in
  // (started) or sshd ends (it could not listen there).
  void Start(int port) {
    port_ = port;
    std::ofstream(dir_ + "sshd_config")
        << "Port " << port_ << "\nListenAddress 127.0.0.1\nHostKey " << dir_
        << "host_key\nAuthorizedKeysFile " << dir_
        << "user_key.pub\nPermitRootLogin prohibit-password\n"
           "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
           "UsePAM no\nStrictModes no\nPidFile "
        << dir_ << "sshd.pid\n";
    std::string program = "/usr/sbin/sshd", foreground = "-D", f = "-f",
                config = dir_ + "sshd_config", e = "-E", log = dir_ + "sshd.log";
    char* argv[] = {program.data(), foreground.data(), f.data(), config.data(),
                    e.data(),       log.data(),        nullptr};
    posix_spawn_file_actions_t io;
    posix_spawn_file_actions_init(&io);
    // sshd and its sessions log to the file: were they to keep the test's own
    // output open, whoever reads it would wait for the last session to end.
    posix_spawn_file_actions_addopen(&io, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&io, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&io, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &io, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&io);
    if (failed) return;
    // The bound only ends a hang: on a busy machine sshd may be slow to come up.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (std::chrono::steady_clock::now() < give_up) {
      if (waitpid(pid, nullptr, WNOHANG) == pid) return;
      if (Shell(Ssh() + " 127.0.0.1 true").code == 0) {
        pid_ = pid;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    End(pid);
  }
  static void End(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }

  std::string dir_;
  int port_ = 0;
  pid_t pid_ = 0;
};

using JobListTest = test::InTempFolder;

// The command README.txt in `folder` gives; with a host, the test's key and
// port go into the command's own ssh, which shares one connection for the
// whole run, and the host works in a home folder of its own.
std::string ReadmeCommand(const std::string& folder, const SshHost* host = nullptr) {
  const std::string readme = test::ReadFile(folder + "README.txt");
  const size_t at = readme.find("    parallel ");
  if (at == std::string::npos) return "README.txt gives no command";
  std::string command = readme.substr(at + 4, readme.find('\n', at) - at - 4);
  const size_t ssh = command.find("--ssh 'ssh ");
  if (!host || ssh == std::string::npos) return command;
  command.replace(ssh, 11, "--ssh '" + host->Ssh() + " ");
  return command.replace(0, 8, "parallel --workdir " + host->home() + " ");
}

bool CanRunOverSsh() {
  return test::HavePovray() && getuid() == 0 &&
         Shell("command -v parallel rsync /usr/sbin/sshd >/dev/null").code == 0;
}

TEST_F(JobListTest, APortableJobListRendersOverSshAndLeavesTheHostClean) {
  if (!CanRunOverSsh())
    GTEST_SKIP() << "needs POV-Ray, GNU Parallel, rsync and an ssh server run as root";
  ParameterSet start, end;
  end.SetText("EdTSpread", "90");
  ASSERT_TRUE(SaveSettings(dir_ + "start.vmx", start).ok());
  ASSERT_TRUE(SaveSettings(dir_ + "end.vmx", end).ok());
  const test::ShellRun listed = test::Cli("anim " + dir_ + "start.vmx --end " + dir_ +
                                          "end.vmx --frames 2 --width 32 "
                                          "--height 24 --job-list -o " +
                                          dir_ + "frames");
  fs::create_directories(dir_ + "home");
  ASSERT_EQ(listed.code, 0) << listed.output;
  // Every job names only files inside the folder, and the folder holds them.
  std::string jobs = test::ReadFile(dir_ + "frames/jobs.txt");
  for (size_t at; (at = jobs.find("'+Linclude/'")) != std::string::npos;) jobs.erase(at, 12);
  EXPECT_EQ(jobs.find('/'), std::string::npos) << jobs;
  EXPECT_TRUE(fs::exists(dir_ + "frames/include/vmxpred.inc"));
  SshHost host(dir_);
  ASSERT_TRUE(host.started()) << test::ReadFile(dir_ + "sshd.log");
  std::ofstream(dir_ + "frames/hosts.txt") << "2/127.0.0.1\n";
  std::string command = ReadmeCommand(dir_ + "frames/", &host);
  EXPECT_NE(listed.output.find(ReadmeCommand(dir_ + "frames/")), std::string::npos)
      << "the command printed is the README's";
  auto logins = [&] {
    const std::string log = test::ReadFile(dir_ + "sshd.log");
    int n = 0;
    for (size_t at = 0; (at = log.find("Accepted publickey", at)) != std::string::npos; ++at) ++n;
    return n;
  };
  const int logins_before = logins();
  const test::ShellRun run = Shell("cd " + dir_ + "frames && " + command + " >/dev/null 2>&1");
  // The run's calls (each frame's copy there, render, two copies back and
  // cleanup: ten and more) share a connection: a few logins while parallel's
  // first calls race to open it, not a login a call.
  EXPECT_LE(logins() - logins_before, 4) << test::ReadFile(dir_ + "sshd.log");
  EXPECT_EQ(run.code, 0) << run.output << test::ReadFile(dir_ + "frames/jobs.log");
  for (const char* frame : {"anim001", "anim002"}) {
    EXPECT_TRUE(fs::file_size(dir_ + "frames/" + frame + ".bmp") > 32 * 24 * 3) << frame;
  }
  EXPECT_NE(test::ReadFile(dir_ + "frames/jobs.log").find("127.0.0.1"), std::string::npos);
  EXPECT_TRUE(!fs::exists(host.home()) || fs::is_empty(host.home()));  // nothing left on the host
  // Run again after a frame went missing: only that frame is rendered.
  fs::remove(dir_ + "frames/anim002.bmp");
  std::string log = test::ReadFile(dir_ + "frames/jobs.log");
  log.replace(log.find("\t0\t0\tsh sandbox.sh povray +Ianim002"), 5, "\t1\t0\t");
  std::ofstream(dir_ + "frames/jobs.log") << log;
  const auto first_time = fs::last_write_time(dir_ + "frames/anim001.bmp");
  EXPECT_EQ(Shell("cd " + dir_ + "frames && " + command + " >/dev/null 2>&1").code, 0);
  EXPECT_TRUE(fs::exists(dir_ + "frames/anim002.bmp"));
  EXPECT_EQ(fs::last_write_time(dir_ + "frames/anim001.bmp"), first_time);
  host.Stop();
}

// A still split into bands renders on the host, one scene sent there once,
// and the bands joined equal the whole picture.
TEST_F(JobListTest, AStillInBandsRendersOverSshAndJoinsToTheWholePicture) {
  if (!CanRunOverSsh())
    GTEST_SKIP() << "needs POV-Ray, GNU Parallel, rsync and an ssh server run as root";
  const std::string size = " --width 40 --height 96 --antialias -o " + dir_;
  const test::ShellRun listed =
      test::Cli("render --parts 3 --job-list " + dir_ + "bands" + size + "joined.png");
  ASSERT_EQ(listed.code, 0) << listed.output;
  fs::create_directories(dir_ + "home");
  SshHost host(dir_);
  ASSERT_TRUE(host.started()) << test::ReadFile(dir_ + "sshd.log");
  std::ofstream(dir_ + "bands/hosts.txt") << "2/127.0.0.1\n";
  const std::string command = ReadmeCommand(dir_ + "bands/", &host);
  const test::ShellRun run = Shell("cd " + dir_ + "bands && " + command);
  ASSERT_EQ(run.code, 0) << run.output << test::ReadFile(dir_ + "bands/jobs.log");
  EXPECT_TRUE(!fs::exists(host.home()) || fs::is_empty(host.home()));
  host.Stop();
  // The README's last step.
  ASSERT_EQ(test::Cli("join " + dir_ + "bands -o " + dir_ + "joined.png").code, 0);
  ASSERT_EQ(test::Cli("render" + size + "whole.png").code, 0);
  EXPECT_EQ(Shell("compare -metric AE " + dir_ + "whole.png " + dir_ + "joined.png null:").output,
            "0");
}

}  // namespace
}  // namespace vermora
