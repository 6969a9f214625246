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

std::string env_text(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The binary under test: OMBRELTA_BIN when set, else the one just built.
std::string binary() {
  const std::string bin = env_text("OMBRELTA_BIN");
  return bin.empty() ? OMBRELTA_BINARY : bin;
}

// The command line: the binary, or the runner (say "wine") and the binary.
std::vector<std::string> command(const std::vector<std::string>& args) {
  std::vector<std::string> words;
  if (const std::string runner = env_text("OMBRELTA_RUNNER"); !runner.empty()) words.push_back(runner);
  words.push_back(binary());
  for (const std::string& arg : args) words.push_back(on_disk(arg));  // Wine reads them as names
  return words;
}

// Console lines of the Windows program end with CR LF; the tests expect "\n".
std::string console_text(std::string out) {
  if (!under_wine()) return out;
  std::string text;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (!(out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n')) text += out[i];
  }
  return text;
}

// Runs the binary in `folder` with standard input from `in_path` and standard
// output to the open descriptor `out`, which the caller closes; the exit
// status, -1 when it was killed or timed out. A run ended by a signal of its
// own (a crash, an abort) or by a sanitizer report fails the test.
int spawn(const std::string& folder, const std::vector<std::string>& args, const std::string& in_path, int out,
          int seconds) {
  std::vector<std::string> argv_text = command(args);
  std::vector<char*> argv;
  for (auto& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);

  const std::string where = on_disk(folder);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = open(in_path.c_str(), O_RDONLY);
    if (in < 0 || out < 0 || chdir(where.c_str()) != 0) _exit(250);
    dup2(in, 0);
    dup2(out, 1);
    execvp(argv[0], argv.data());
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

bool under_wine() { return env_text("OMBRELTA_RUNNER").find("wine") != std::string::npos; }

std::string on_disk(const std::string& path) {
  if (!under_wine()) return path;
  std::string stored;
  for (const char c : path) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0xA0) {
      stored += c;
    } else {
      stored += static_cast<char>(0xC0 | (b >> 6));
      stored += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return stored;
}

bool wine_writes_read_only_files() { return under_wine() && geteuid() == 0; }

RunResult run_ombrelta(const std::string& folder, const std::vector<std::string>& args,
                       const std::string& input, int seconds) {
  TempDir io;
  write_file(io / "stdin", input);
  const int status = spawn_to_path(folder, args, io / "stdin", io / "stdout", seconds);
  return RunResult{console_text(read_file(io / "stdout")), status};
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
