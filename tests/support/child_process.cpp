#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

extern char** environ;

namespace testing_support {

namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::string& program, const std::vector<std::string>& args,
            const std::vector<std::string>& env, int in_fd, int out_fd, int err_fd) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  dup2(in_fd, 0);
  dup2(out_fd, 1);
  dup2(err_fd, 2);
  for (int fd = 3; fd < 256; ++fd) close(fd);
  for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, std::chrono::milliseconds limit,
                         const std::vector<std::string>& env) {
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return {};
  const pid_t pid = Spawn(program, args, env, in[0], out[1], err[1]);
  close(in[0]);
  close(out[1]);
  close(err[1]);
  signal(SIGPIPE, SIG_IGN);
  if (write(in[1], input.data(), input.size()) < 0) { /* the child may have exited already */
  }
  close(in[1]);

  ProcessResult result;
  std::string out_text;
  const auto deadline = Clock::now() + limit;
  bool out_open = true, err_open = true;
  while ((out_open || err_open) && Clock::now() < deadline) {
    pollfd fds[2] = {{out[0], static_cast<short>(out_open ? POLLIN : 0), 0},
                     {err[0], static_cast<short>(err_open ? POLLIN : 0), 0}};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (poll(fds, 2, static_cast<int>(left > 0 ? left : 0)) <= 0) continue;
    char buf[4096];
    if (fds[0].revents) {
      const ssize_t n = read(out[0], buf, sizeof buf);
      if (n <= 0)
        out_open = false;
      else
        out_text.append(buf, static_cast<std::size_t>(n));
    }
    if (fds[1].revents) {
      const ssize_t n = read(err[0], buf, sizeof buf);
      if (n <= 0)
        err_open = false;
      else
        result.stderr_text.append(buf, static_cast<std::size_t>(n));
    }
  }
  close(out[0]);
  close(err[0]);
  int status = 0;
  if (out_open || err_open) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    result.exit_status = -1;
  } else {
    waitpid(pid, &status, 0);
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  result.stdout_lines = SplitLines(out_text);
  return result;
}

SimbusProcess::SimbusProcess(const std::string& program, const std::vector<std::string>& args) {
  int out[2];
  if (pipe(out) != 0) return;
  const int null_fd = open("/dev/null", O_RDWR);
  pid_ = Spawn(program, args, {}, null_fd, out[1], null_fd);
  close(out[1]);
  close(null_fd);
  std::string first;
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (first.find('\n') == std::string::npos && Clock::now() < deadline) {
    pollfd p{out[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char c;
    if (read(out[0], &c, 1) != 1) break;
    first.push_back(c);
  }
  close(out[0]);
  if (!first.empty() && first.back() == '\n') tty_ = first.substr(0, first.size() - 1);
}

SimbusProcess::~SimbusProcess() { Stop(); }

void SimbusProcess::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    usleep(20'000);
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

namespace {
// Where the string value of `field` starts in a JSON line, with or without a blank after
// the colon; npos when absent.
std::size_t ValueStart(const std::string& line, const std::string& field) {
  for (const std::string& key : {"\"" + field + "\":\"", "\"" + field + "\": \""}) {
    const std::size_t at = line.find(key);
    if (at != std::string::npos) return at + key.size();
  }
  return std::string::npos;
}
}  // namespace

TempConfigHome::TempConfigHome() {
  char tmpl[] = "/tmp/e2e_config_XXXXXX";
  const char* made = mkdtemp(tmpl);
  dir_ = made ? made : "/tmp";
}

TempConfigHome::~TempConfigHome() {
  std::error_code ec;
  if (dir_ != "/tmp") std::filesystem::remove_all(dir_, ec);
}

std::string ControlField(const std::vector<std::string>& lines, const std::string& control,
                         const std::string& field) {
  return JsonStringField(LineForControl(lines, control), field);
}

std::string LineForControl(const std::vector<std::string>& lines, const std::string& name) {
  for (const std::string& line : lines) {
    const std::size_t at = ValueStart(line, "control");
    if (at != std::string::npos && line.compare(at, name.size() + 1, name + "\"") == 0) return line;
  }
  return "";
}

std::string JsonStringField(const std::string& line, const std::string& field) {
  const std::size_t at = ValueStart(line, field);
  if (at == std::string::npos) return "";
  std::string value;
  for (std::size_t i = at; i < line.size(); ++i) {
    if (line[i] == '"') break;
    if (line[i] == '\\' && i + 1 < line.size()) {
      const char e = line[++i];
      value.push_back(e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e);
    } else {
      value.push_back(line[i]);
    }
  }
  return value;
}

}  // namespace testing_support
