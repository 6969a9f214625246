#include "e2e/e2e.h"

#include <fcntl.h>
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
// output to `out_path`; the exit status, -1 when it was killed or timed out.
int spawn(const std::string& folder, const std::vector<std::string>& args, const std::string& in_path,
          const std::string& out_path, int seconds) {
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
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
  return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

}  // namespace

RunResult run_ombrelta(const std::string& folder, const std::vector<std::string>& args,
                       const std::string& input, int seconds) {
  TempDir io;
  write_file(io / "stdin", input);
  const int status = spawn(folder, args, io / "stdin", io / "stdout", seconds);
  return RunResult{read_file(io / "stdout"), status};
}

int run_ombrelta_to(const std::string& folder, const std::string& out_path,
                    const std::vector<std::string>& args, int seconds) {
  return spawn(folder, args, "/dev/null", out_path, seconds);
}

}  // namespace ombrelta::e2e
