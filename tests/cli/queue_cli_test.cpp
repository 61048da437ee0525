#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "params/settings_file.h"
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

// Series and batches go into the queue too; a queued render leaves cores to
// the designer, and a failed job keeps all POV-Ray said.
TEST_F(QueueCliTest, SeriesThreadsAndTheLogOfAFailedJob) {
  ASSERT_TRUE(test::HavePovray());
  const std::string cli = "VERMORA_HOME=" + dir_ + "home " + VERMORA_CLI_PATH + " ";
  ParameterSet set;
  ASSERT_TRUE(SaveSettings(dir_ + "still.vmx", set).ok());
  EXPECT_TRUE(Says(test::Shell(cli + "queue add " + dir_ + "still.vmx --series -o " + dir_ + "f"),
                   1, "its animation is off"));
  set.SetOn("chkAnim", true);
  set.SetText("edTotalFrames", "3");
  set.SetText("edEndFrame", "3");
  ASSERT_TRUE(SaveSettings(dir_ + "anim.vmx", set).ok());
  set = ParameterSet();
  set.SetText("EdInc2", "#declare = ;");
  ASSERT_TRUE(SaveSettings(dir_ + "broken.vmx", set).ok());
  for (const std::string& add :
       {"anim.vmx --series -o " + dir_ + "frames", "still.vmx -o " + dir_ + "still.png",
        "broken.vmx -o " + dir_ + "broken.png"}) {
    ASSERT_EQ(test::Shell(cli + "queue add " + dir_ + add + " --width 32 --height 24").code, 0);
  }
  EXPECT_TRUE(Says(test::Shell(cli + "queue add " + dir_ + "still.vmx --batch -o " + dir_ + "b"), 2,
                   "needs --seed"));
  ASSERT_EQ(test::Shell(cli + "queue add " + dir_ + "still.vmx --batch --count 2 --seed 7 -o " +
                        dir_ + "batch")
                .code,
            0);
  EXPECT_TRUE(Says(test::Shell(cli + "queue list"), 0, "1\twaiting\tseries of 32x24\t"));
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  const test::ShellRun run = test::Shell(cli + "-v queue run --leave 1");
  EXPECT_TRUE(Says(run, 3, "the queue rendered 3 jobs, 1 failed"));
  EXPECT_TRUE(
      test::Has(run.output, "using " + std::to_string(std::max(1, cores - 1)) + " thread(s) with"))
      << run.output;
  for (const char* frame : {"frames/anim001.bmp", "frames/anim002.bmp", "frames/anim003.bmp",
                            "batch/child_001.bmp", "batch/child_002.bmp"})
    EXPECT_GT(fs::file_size(dir_ + frame), 32u * 24 * 3) << frame;
  EXPECT_TRUE(test::Has(test::ReadFile(dir_ + "batch/index.txt"), "child_002"));
  EXPECT_TRUE(Says(test::Shell(cli + "queue list"), 0,
                   "3\tfailed\t32x24\t" + dir_ + "broken.png\tParse Error: Expected"));
  EXPECT_TRUE(Says(test::Shell(cli + "queue log 3"), 0, "File Context"));
  EXPECT_TRUE(Says(test::Shell(cli + "queue log 2"), 1, "job 2 has no log"));
}

}  // namespace
}  // namespace vermora
