#include "e2e/e2e.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace ombrelta::e2e {

namespace {

// The binary under test: OMBRELTA_BIN when set, else the one just built.
std::string binary() {
  const char* env = std::getenv("OMBRELTA_BIN");
  return env && *env ? env : OMBRELTA_BINARY;
}

}  // namespace

namespace {

// Runs the binary in `folder` with standard input from `in_path` and standard
// output to the open descriptor `out`, which the caller closes; the exit
// status, -1 when it was killed or timed out. A run ended by a signal of its
// own (a crash, an abort) or by a sanitizer report fails the test.
int spawn(const std::string& folder, const std::vector<std::string>& args, const std::string& in_path, int out,
          int seconds) {
  const std::string program = binary();
  std::vector<std::string> argv_text{program};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = open(in_path.c_str(), O_RDONLY);
    if (in < 0 || out < 0 || chdir(folder.c_str()) != 0) _exit(250);
    dup2(in, 0);
    dup2(out, 1);
    execv(program.c_str(), argv.data());
    _exit(251);
  }
  int wstatus = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (waitpid(pid, &wstatus, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &wstatus, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (WIFSIGNALED(wstatus)) ADD_FAILURE() << "ombrelta ended by signal " << WTERMSIG(wstatus);
  if (WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == kSanitizerExit) ADD_FAILURE() << "sanitizer report";
  return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

int spawn_to_path(const std::string& folder, const std::vector<std::string>& args, const std::string& in_path,
                  const std::string& out_path, int seconds) {
  const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int status = spawn(folder, args, in_path, out, seconds);
  if (out >= 0) close(out);
  return status;
}

}  // namespace

RunResult run_ombrelta(const std::string& folder, const std::vector<std::string>& args,
                       const std::string& input, int seconds) {
  TempDir io;
  write_file(io / "stdin", input);
  const int status = spawn_to_path(folder, args, io / "stdin", io / "stdout", seconds);
  return RunResult{read_file(io / "stdout"), status};
}

int run_ombrelta_to(const std::string& folder, const std::string& out_path,
                    const std::vector<std::string>& args, int seconds) {
  return spawn_to_path(folder, args, "/dev/null", out_path, seconds);
}

int run_ombrelta_to_closed_pipe(const std::string& folder, const std::vector<std::string>& args, int seconds) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  close(ends[0]);  // no reader at all, before the run starts
  const int status = spawn(folder, args, "/dev/null", ends[1], seconds);
  close(ends[1]);
  return status;
}

}  // namespace ombrelta::e2e
