#include "render/render_queue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/test_support.h"

namespace vermora {
namespace {

using RenderQueueTest = test::InTempFolder;

QueueJob Still(const std::string& output, const std::string& set_text = "Quorel 0.9\r\n") {
  QueueJob job;
  job.width = "640";
  job.height = "480";
  job.output = output;
  job.set_text = set_text;
  return job;
}

std::vector<std::string> Summary(const RenderQueue& queue) {
  std::vector<std::string> lines;
  for (const QueueJob& job : queue.jobs()) {
    lines.push_back(std::to_string(job.id) + " " + QueueStateName(job.state) + " " + job.output +
                    (job.failure.empty() ? "" : " " + job.failure));
  }
  return lines;
}

// What the queue holds comes back after a restart: jobs, order, states, the
// snapshots byte for byte; a job that was running waits again once a runner
// may say the run that ran it is gone.
TEST_F(RenderQueueTest, KeepsJobsOrderAndStatesAcrossARestart) {
  RenderQueue queue(dir_ + "queue/");
  ASSERT_TRUE(queue.Load().ok());  // no queue yet
  QueueJob big = Still("/pictures/big one.png", "Quorel 0.9\r\nEdTSpread|70\r\n");
  big.antialias = true;
  big.parts = 4;
  ASSERT_TRUE(queue.Add(big).ok());
  ASSERT_TRUE(queue.Add(Still("/pictures/b.png")).ok());
  QueueJob frames = Still("/pictures/c frames");
  frames.kind = QueueKind::kSeries;
  ASSERT_TRUE(queue.Add(frames).ok());
  ASSERT_TRUE(queue.Move(3, -5).ok());  // to the top, not beyond
  ASSERT_TRUE(queue.SetState(1, QueueState::kRunning).ok());
  ASSERT_TRUE(queue.SetState(2, QueueState::kFailed, "Parse Error\nline 3").ok());
  EXPECT_FALSE(queue.Remove(1).ok());  // running
  EXPECT_FALSE(queue.Remove(9).ok());

  RenderQueue again(dir_ + "queue/");
  ASSERT_TRUE(again.Load().ok());
  EXPECT_EQ(again.jobs()[1].state, QueueState::kRunning);
  QueueRunLock runner;
  ASSERT_TRUE(runner.TryTake(dir_ + "queue/"));
  EXPECT_FALSE(QueueIdle(dir_ + "queue/"));
  ASSERT_TRUE(again.RestartInterrupted().ok());
  EXPECT_EQ(Summary(again), (std::vector<std::string>{
                                "3 waiting /pictures/c frames", "1 waiting /pictures/big one.png",
                                "2 failed /pictures/b.png Parse Error line 3"}));
  const QueueJob& restored = again.jobs()[1];
  EXPECT_EQ(restored.set_text, big.set_text);
  EXPECT_TRUE(restored.antialias);
  EXPECT_EQ(restored.parts, 4);
  EXPECT_EQ(restored.kind, QueueKind::kStill);
  EXPECT_EQ(again.jobs()[0].kind, QueueKind::kSeries);
  EXPECT_EQ(again.NextWaiting()->id, 3);
  // A failed job's log goes when it runs again, or with the job.
  ASSERT_TRUE(again.KeepLog(2, "Parse Error").ok());
  ASSERT_TRUE(std::filesystem::exists(again.LogPath(2)));
  ASSERT_TRUE(again.SetState(2, QueueState::kRunning).ok());
  EXPECT_FALSE(std::filesystem::exists(again.LogPath(2)));
  ASSERT_TRUE(again.Remove(3).ok());
  ASSERT_TRUE(again.Add(Still("/pictures/d.png")).ok());
  EXPECT_EQ(again.jobs().back().id, 4);  // a removed job's number is not given again
  EXPECT_FALSE(again.Add(Still("/pictures/a\tb.png")).ok());
}

// The queue file is plain text a user may edit or a crash may cut: what it
// cannot read is left out and named, the rest stays.
TEST_F(RenderQueueTest, LeavesOutWhatItCannotReadAndSaysSo) {
  const std::string folder = dir_ + "queue/";
  RenderQueue queue(folder);
  ASSERT_TRUE(queue.Add(Still("/p/a.png")).ok());
  ASSERT_TRUE(queue.Add(Still("/p/b.png")).ok());
  std::ofstream(folder + "queue.txt", std::ios::app)
      << "3\twaiting\t640\t480\t0\t1\t0\t/p/c.png\t\n"                 // its set is not there
      << "4\tsleeping\t640\t480\t0\t1\t0\t/p/d.png\t\n"                // no such state
      << "5\twaiting\t64O\t480\t0\t1\t0\t/p/e.png\t\n"                 // not a size
      << "6\twaiting\t640\t480\t0\t1\t0\trelative.png\t\n"             // not an absolute path
      << "1\twaiting\t640\t480\t0\t1\t0\t/p/again.png\t\n"             // a number twice
      << "7\twaiting\t640\t480\n"                                      // cut short
      << "8\twaiting\t640\t480\t0\t1\t0\t/p/f\t\tmovie\n"              // renders no such thing
      << "10\twaiting\t80\t60\t0\t1\t0\t/p/b\t\tbatch\tbreed\t2\t7\n"  // no partner to breed
      << "9\twaiting\t640\t480\t0\t1\t0\t/p/old.png\t\n";              // a still of an older queue
  std::ofstream(folder + "job9.vmx") << "Quorel 0.9\r\n";
  std::vector<std::string> warnings;
  RenderQueue read(folder);
  ASSERT_TRUE(read.Load(&warnings).ok());
  EXPECT_EQ(Summary(read), (std::vector<std::string>{"1 waiting /p/a.png", "2 waiting /p/b.png",
                                                     "9 waiting /p/old.png"}));
  EXPECT_EQ(read.jobs().back().kind, QueueKind::kStill);
  ASSERT_EQ(warnings.size(), 8u);
  EXPECT_EQ(warnings[0], folder + "queue.txt, line 5: its set job3.vmx is gone; left out");
  EXPECT_EQ(warnings[1], folder + "queue.txt, line 6: not a job; left out");
  std::ofstream(folder + "queue.txt") << "a list of something else\n";
  EXPECT_FALSE(read.Load().ok());
}

}  // namespace
}  // namespace vermora
