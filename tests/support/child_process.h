#pragma once
// Runs the built programs for end-to-end tests: the simbus program serving a simulated
// bus on a pseudo-terminal, and a program in --headless mode fed a script. Every wait is
// bounded; a child still running at the end is killed.

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult {
  int exit_status = -1;  // -1: killed after the time limit
  std::vector<std::string> stdout_lines;
  std::string stderr_text;
};

// Runs `program` with `args`, writes `input` to its standard input and closes it, and
// collects its output until it exits or `limit` passes. `env` entries are "NAME=value"
// added to the environment.
ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, std::chrono::milliseconds limit,
                         const std::vector<std::string>& env = {});

// The simbus program in the background; its first output line is the tty it serves.
class SimbusProcess {
 public:
  SimbusProcess(const std::string& program, const std::vector<std::string>& args);
  ~SimbusProcess();
  SimbusProcess(const SimbusProcess&) = delete;
  SimbusProcess& operator=(const SimbusProcess&) = delete;

  const std::string& tty() const { return tty_; }  // empty when it did not start
  void Stop();

 private:
  pid_t pid_ = -1;
  std::string tty_;
};

// A settings folder of its own for a child program (XDG_CONFIG_HOME), removed at the end,
// so tests never read or change the user's stored settings.
class TempConfigHome {
 public:
  TempConfigHome();
  ~TempConfigHome();
  TempConfigHome(const TempConfigHome&) = delete;
  TempConfigHome& operator=(const TempConfigHome&) = delete;
  const std::string& dir() const { return dir_; }
  std::string Env() const { return "XDG_CONFIG_HOME=" + dir_; }

 private:
  std::string dir_;
};

// The JSON line of `show NAME` output whose "control" is `name`, or "" when none.
std::string LineForControl(const std::vector<std::string>& lines, const std::string& name);

// The value of a string field in a JSON line ("text", "caption"), with \r and \" decoded;
// "" when absent.
std::string JsonStringField(const std::string& line, const std::string& field);

// JsonStringField of the line for `control`.
std::string ControlField(const std::vector<std::string>& lines, const std::string& control,
                         const std::string& field);

}  // namespace testing_support
