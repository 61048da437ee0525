#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <utility>

#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;
using test::Shell;

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
  explicit SshHost(const std::string& dir) : dir_(dir), port_(FreeLoopbackPort()) {
    std::ofstream(dir_ + "sshd_config") << "Port " << port_ << "\nListenAddress 127.0.0.1\nHostKey " << dir_
                                        << "host_key\nAuthorizedKeysFile " << dir_
                                        << "user_key.pub\nPermitRootLogin prohibit-password\n"
                                           "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                                           "UsePAM no\nStrictModes no\nPidFile "
                                        << dir_ << "sshd.pid\n";
    started_ = Shell("ssh-keygen -q -t ed25519 -N '' -f " + dir_ + "host_key && ssh-keygen -q -t ed25519 -N '' -f " +
                     dir_ + "user_key && mkdir -p /run/sshd && /usr/sbin/sshd -f " + dir_ + "sshd_config -E " +
                     dir_ + "sshd.log")
                   .code == 0;
  }
  ~SshHost() { Stop(); }
  void Stop() {
    if (!std::exchange(started_, false)) return;
    // Stopped means gone: sshd removes its pid file on the way out.
    const std::string sshd = "'sshd -f " + dir_ + "sshd_config'";
    Shell(Ssh() + " -O exit 127.0.0.1 2>/dev/null; pkill -f " + sshd +
          "; for i in $(seq 50); do pgrep -f " + sshd + " >/dev/null || break; sleep 0.1; done");
  }
  bool started() const { return started_; }
  std::string Ssh() const {
    return "ssh -i " + dir_ + "user_key -p " + std::to_string(port_) +
           " -o StrictHostKeyChecking=no -o UserKnownHostsFile=/dev/null -o BatchMode=yes -o LogLevel=ERROR"
           // One connection for all of parallel's calls: the test's own speed-up.
           " -o ControlMaster=auto -o ControlPersist=30 -o ControlPath=" + dir_ + "mux-%C";
  }
  std::string home() const { return dir_ + "home/"; }

 private:
  std::string dir_;
  int port_;
  bool started_ = false;
};

using JobListTest = test::InTempFolder;

TEST_F(JobListTest, APortableJobListRendersOverSshAndLeavesTheHostClean) {
  if (!test::HavePovray() || getuid() != 0 ||
      Shell("command -v parallel rsync /usr/sbin/sshd >/dev/null").code != 0) {
    GTEST_SKIP() << "needs POV-Ray, GNU Parallel, rsync and an ssh server run as root";
  }
  ParameterSet start, end;
  end.SetText("EdTSpread", "90");
  ASSERT_TRUE(SaveSettings(dir_ + "start.vmx", start).ok());
  ASSERT_TRUE(SaveSettings(dir_ + "end.vmx", end).ok());
  const test::ShellRun listed = test::Cli("anim " + dir_ + "start.vmx --end " + dir_ + "end.vmx --frames 2 --width 32 "
                                          "--height 24 --job-list -o " + dir_ + "frames");
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
  // The command README.txt gives, with the test's ssh key and the host's own home.
  const std::string readme = test::ReadFile(dir_ + "frames/README.txt");
  const size_t at = readme.find("    parallel ") + 4;
  ASSERT_NE(at, std::string::npos + 4);
  std::string command = readme.substr(at, readme.find('\n', at) - at);
  EXPECT_NE(listed.output.find(command), std::string::npos);  // the same command is printed
  command.replace(0, 8, "parallel --ssh '" + host.Ssh() + "' --workdir " + host.home() + " ");
  const test::ShellRun run = Shell("cd " + dir_ + "frames && " + command + " >/dev/null 2>&1");
  EXPECT_EQ(run.code, 0) << run.output << test::ReadFile(dir_ + "frames/jobs.log");
  for (const char* frame : {"anim001", "anim002"}) {
    EXPECT_TRUE(fs::file_size(dir_ + "frames/" + frame + ".bmp") > 32 * 24 * 3) << frame;
  }
  EXPECT_NE(test::ReadFile(dir_ + "frames/jobs.log").find("127.0.0.1"), std::string::npos);
  EXPECT_TRUE(!fs::exists(host.home()) || fs::is_empty(host.home()));  // nothing left on the host
  // Run again after a frame went missing: only that frame is rendered.
  fs::remove(dir_ + "frames/anim002.bmp");
  std::string log = test::ReadFile(dir_ + "frames/jobs.log");
  log.replace(log.find("\t0\t0\tpovray +Ianim002"), 5, "\t1\t0\t");
  std::ofstream(dir_ + "frames/jobs.log") << log;
  const auto first_time = fs::last_write_time(dir_ + "frames/anim001.bmp");
  EXPECT_EQ(Shell("cd " + dir_ + "frames && " + command + " >/dev/null 2>&1").code, 0);
  EXPECT_TRUE(fs::exists(dir_ + "frames/anim002.bmp"));
  EXPECT_EQ(fs::last_write_time(dir_ + "frames/anim001.bmp"), first_time);
  host.Stop();
}

}  // namespace
}  // namespace vermora
