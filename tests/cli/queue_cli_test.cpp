#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;
using test::Says;

using QueueCliTest = test::InTempFolder;

// A queue filled in the day runs at night without a window: a run killed in
// the middle of a job leaves it to the next run, which renders it whole.
TEST_F(QueueCliTest, AKilledRunLeavesTheJobToTheNextRun) {
  ASSERT_TRUE(test::HavePovray());
  const std::string cli = "VERMORA_HOME=" + dir_ + "home " + VERMORA_CLI_PATH + " queue ";
  // A set the user changes after queueing: the queue renders it as it was.
  ASSERT_EQ(test::Cli("defaults -o " + dir_ + "set.vmx").code, 0);
  ASSERT_TRUE(Says(test::Shell(cli + "add " + dir_ +
                               "set.vmx --width 640 --height 480 "
                               "--antialias -o " +
                               dir_ + "slow.png"),
                   0, "queued job 1"));
  ASSERT_EQ(
      test::Shell(cli + "add " + dir_ + "set.vmx --width 32 --height 24 -o " + dir_ + "small.bmp")
          .code,
      0);
  fs::remove(dir_ + "set.vmx");
  const pid_t runner = fork();
  if (runner == 0) {
    setenv("VERMORA_HOME", (dir_ + "home").c_str(), 1);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execl(VERMORA_CLI_PATH, "vermora-cli", "queue", "run", nullptr);
    _exit(127);
  }
  // Wait until the first job runs (the queue says so), then kill the run.
  const std::string list = dir_ + "home/queue/queue.txt";
  while (!test::Has(test::ReadFile(list), "1\trunning")) {
    ASSERT_EQ(waitpid(runner, nullptr, WNOHANG), 0) << "the run ended before it began";
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_TRUE(Says(test::Shell(cli + "run"), 1, "the queue is already running"));
  kill(runner, SIGKILL);  // its POV-Ray's sandbox ends with it
  waitpid(runner, nullptr, 0);
  EXPECT_FALSE(fs::exists(dir_ + "slow.png"));
  EXPECT_TRUE(Says(test::Shell(cli + "list"), 0, "1\twaiting\t640x480 anti-aliased\t"));
  EXPECT_TRUE(Says(test::Shell(cli + "run"), 0, "the queue rendered 2 jobs, 0 failed"));
  EXPECT_TRUE(Says(test::Shell(cli + "list"), 0, "1\tdone"));
  EXPECT_GT(fs::file_size(dir_ + "slow.png"), 1000u);
  EXPECT_GT(fs::file_size(dir_ + "small.bmp"), 32u * 24 * 3);
  EXPECT_TRUE(Says(test::Shell(cli + "remove 7"), 1, "there is no job 7 in the queue"));
  EXPECT_TRUE(Says(test::Shell(cli + "remove 1"), 0, "removed job 1"));
}

}  // namespace
}  // namespace vermora
