#include "common/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace vermora {

namespace {

std::vector<char*> Pointers(const std::vector<std::string>& words) {
  std::vector<char*> pointers;
  pointers.reserve(words.size() + 1);
  for (const std::string& word : words) pointers.push_back(const_cast<char*>(word.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// Reads what the child prints until it closes its end, is cancelled or runs out of time.
void Collect(int fd, pid_t pid, const ChildCall& call, ChildEnd& end) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(call.timeout_seconds);
  const pid_t target = call.own_session ? -pid : pid;
  char buf[4096];
  for (;;) {
    pollfd pfd{fd, POLLIN, 0};
    if (poll(&pfd, 1, 200) > 0) {
      const ssize_t n = read(fd, buf, sizeof buf);
      if (n > 0) {
        if (call.capture) end.output.append(buf, static_cast<size_t>(n));
        continue;
      }
      if (n == 0 || errno != EINTR) break;
    }
    if (call.cancel && call.cancel->load()) {
      kill(target, SIGKILL);
      end.cancelled = true;
      break;
    }
    if (call.timeout_seconds > 0 && std::chrono::steady_clock::now() > deadline) {
      kill(target, SIGKILL);
      end.timed_out = true;
      break;
    }
  }
}

}  // namespace

void LimitChild(bool own_session, std::uint64_t memory_limit) {
  // A session of its own: no terminal to type into, and one process group to end.
  if (own_session) setsid();
  if (memory_limit == 0) return;
  rlimit limit{static_cast<rlim_t>(memory_limit), static_cast<rlim_t>(memory_limit)};
  setrlimit(RLIMIT_AS, &limit);
}

ChildEnd RunChild(const ChildCall& call) {
  ChildEnd end;
  if (call.argv.empty()) return end;
  // Close-on-exec, so that a child started from another thread meanwhile does
  // not hold this pipe open and delay its end of file.
  int pipe_fd[2];
  if (pipe2(pipe_fd, O_CLOEXEC) != 0) return end;
  std::vector<char*> argv = Pointers(call.argv);
  std::vector<char*> env = Pointers(call.env);
  const bool errors_through = !call.capture && call.show_errors;

  const pid_t pid = fork();
  if (pid < 0) {
    close(pipe_fd[0]);
    close(pipe_fd[1]);
    return end;
  }
  if (pid == 0) {
    // Only async-signal-safe calls until exec.
    // Its output always runs into the pipe (read and dropped unless captured), so
    // that the pipe's end tells its end while a stop can still reach it.
    const int null_fd = open("/dev/null", O_RDONLY);
    if (null_fd >= 0) dup2(null_fd, STDIN_FILENO);
    dup2(pipe_fd[1], STDOUT_FILENO);
    if (!errors_through) dup2(pipe_fd[1], STDERR_FILENO);
    if (!call.working_dir.empty() && chdir(call.working_dir.c_str()) != 0) _exit(127);
    LimitChild(call.own_session, call.memory_limit);
    if (call.nice != 0) setpriority(PRIO_PROCESS, 0, call.nice);
    if (call.env.empty()) {
      execvp(argv[0], argv.data());
    } else {
      execvpe(argv[0], argv.data(), env.data());
    }
    _exit(127);
  }
  close(pipe_fd[1]);
  Collect(pipe_fd[0], pid, call, end);
  close(pipe_fd[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  end.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return end;
}

}  // namespace vermora
