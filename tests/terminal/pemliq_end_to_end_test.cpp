// The built pemliq program in headless mode against the simbus program on a pseudo-
// terminal: the real serial backend, the real clock, the command line. Every wait is
// bounded, and every process started here is ended here.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

// Every program started here is killed by `timeout` at the latest after this long.
constexpr const char* kLimit = "timeout -s KILL 30 ";

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// A running simbus program; ended with SIGTERM when the test is done.
class SimbusProcess {
 public:
  explicit SimbusProcess(const std::string& options) {
    // The shell prints its pid, then becomes simbus (under timeout), which prints its pty path.
    const std::string command =
        "echo $$; exec " + std::string(kLimit) + Quoted(SIMBUS_BINARY) + " " + options + " 2>/dev/null";
    pipe_ = popen(command.c_str(), "r");
    char line[512];
    if (pipe_ != nullptr && std::fgets(line, sizeof line, pipe_) != nullptr) pid_ = std::atoi(line);
    if (pipe_ != nullptr && std::fgets(line, sizeof line, pipe_) != nullptr) {
      path_ = line;
      if (!path_.empty() && path_.back() == '\n') path_.pop_back();
    }
  }
  ~SimbusProcess() {
    if (pid_ > 0) kill(pid_, SIGTERM);
    if (pipe_ != nullptr) pclose(pipe_);
  }

  const std::string& path() const { return path_; }

 private:
  FILE* pipe_ = nullptr;
  pid_t pid_ = -1;
  std::string path_;
};

struct Output {
  std::vector<std::string> lines;  // standard output
  std::string err;
  int status = -1;
};

// Runs pemliq with `options`, `script` on its standard input, with a settings store of its
// own so the user's port mappings play no part.
Output RunPemliq(const std::string& options, const std::string& script) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("pemliq_e2e_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string in = (dir / "script.txt").string(), err = (dir / "stderr.txt").string();
  std::ofstream(in) << script;
  const std::string command = "XDG_CONFIG_HOME=" + Quoted(dir.string()) + " " + kLimit +
                              Quoted(PEMLIQ_BINARY) + " " + options + " <" + Quoted(in) + " 2>" + Quoted(err);
  Output result;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
  }
  std::stringstream err_text;
  err_text << std::ifstream(err).rdbuf();
  result.err = err_text.str();
  std::filesystem::remove_all(dir);
  return result;
}

std::string TextState(const std::string& name, const std::string& text) {
  return R"({"control": ")" + name + R"(", "kind": "textbox", "visible": true, "enabled": true, "text": ")" +
         text + R"("})";
}

TEST(PemliqProgram, PortFailuresThenTestModeExchangesOverAPseudoTerminal) {
  SimbusProcess simbus("--fault 05:overflow=-");
  ASSERT_FALSE(simbus.path().empty()) << "simbus printed no pty path";
  const Output run = RunPemliq("--headless --port 1=" + simbus.path() + " --port 2=/nonexistent/tty",
                               "choose Cbo_com 1\n"
                               "click Cmd_send\n"
                               "type Cbo_com 7\n"
                               "click Cmd_send\n"
                               "choose Cbo_com 0\n"
                               "paste Txt_delay 3000\n"
                               "type Txt_send 01RP0\n"
                               "click Cmd_send\n"
                               "show Txt_sendall\n"
                               "show Txt_receive\n"
                               "paste Txt_send $01VR\n"
                               "key Txt_send 13\n"
                               "show Txt_receive\n"
                               "choose Cbo_bound 5\n"
                               "paste Txt_send $05RP0\n"
                               "answer cancel\n"
                               "click Cmd_send\n"
                               "show Txt_receiveall\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string port_box =
      R"({"msgbox": {"title": "错误MSComm1", "text": "此端口已经打开，请更换一个可用端口", "buttons": "ok", )"
      R"("icon": "none"}, "answer": "ok"})";
  ASSERT_EQ(run.lines.size(), 7u) << ::testing::PrintToString(run.lines);
  EXPECT_EQ(run.lines[0], port_box);
  EXPECT_EQ(run.lines[1], port_box);
  EXPECT_EQ(run.lines[2], TextState("Txt_sendall", "$01RP033\\r"));
  EXPECT_THAT(run.lines[3], MatchesRegex(".*\"text\": \"\\+00[34][0-9]\\.[0-9]\"}"));
  EXPECT_EQ(run.lines[4], TextState("Txt_receive", "2.00"));
  EXPECT_THAT(run.lines[5], HasSubstr("溢出错误！"));
  EXPECT_THAT(run.lines[6], HasSubstr(R"("text": "*05-@OVER)"));
}

// Line settings a tty cannot do are refused with their own message, and nothing is sent
// with other settings in their place.
TEST(PemliqProgram, DataBitsOrStopBitsTheTtyCannotDoSendNothing) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  const std::string tty = ptsname(master);
  const Output run = RunPemliq("--headless --port 1=" + tty,
                               "paste Txt_send $01RP0\n"
                               "choose Cbo_databit 0\n"
                               "click Cmd_send\n"
                               "choose Cbo_databit 4\n"
                               "choose Cbo_stopbit 1\n"
                               "click Opt_normal\n"  // the plain send is refused too
                               "click Cmd_send\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string box = R"({"msgbox": {"title": "错误MSComm1", "text": "端口 )" + tty;
  ASSERT_EQ(run.lines.size(), 2u) << ::testing::PrintToString(run.lines);
  EXPECT_THAT(run.lines[0], HasSubstr(box + R"( 不支持数据位 4，请选择其他设置。", "buttons": "ok")"));
  EXPECT_THAT(run.lines[1], HasSubstr(box + R"( 不支持停止位 1.5，请选择其他设置。", "buttons": "ok")"));
  pollfd p{master, POLLIN, 0};
  char byte = 0;
  EXPECT_FALSE(poll(&p, 1, 100) > 0 && read(master, &byte, 1) > 0) << "a byte went out: " << byte;
  close(master);
}

TEST(PemliqProgram, TraceFileHoldsTheTestModeExchangeLineByLine) {
  const std::filesystem::path trace =
      std::filesystem::temp_directory_path() / ("pemliq_trace_" + std::to_string(getpid()) + ".jsonl");
  std::filesystem::remove(trace);
  const Output run = RunPemliq("--headless --simulate --trace " + Quoted(trace.string()),
                               "paste Txt_send $01VR\nclick Cmd_send\nshow Txt_receive\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.lines, std::vector<std::string>{TextState("Txt_receive", "2.00")});
  std::vector<std::string> lines;
  std::ifstream in(trace);
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(line.find("\"port\"")));
  std::filesystem::remove(trace);

  // The reply comes in as many reads as the timing gives; its bytes in order are fixed.
  std::vector<std::string> fixed;
  std::string rx;
  for (const std::string& line : lines) {
    if (line.find(R"("dir": "rx")") != std::string::npos) {
      const std::size_t text = line.find(R"("text": ")") + 9;
      rx += line.substr(text, line.find(R"(", "hex")") - text);
      continue;
    }
    fixed.push_back(line.substr(0, line.find(", \"ms\"")));
  }
  EXPECT_THAT(fixed, ::testing::ElementsAre(
                         R"("port": 1, "device": "sim", "event": "open", "settings": "9600,n,8,1"})",
                         R"("port": 1, "device": "sim", "event": "discard_out", "settings": "9600,n,8,1"})",
                         R"("port": 1, "device": "sim", "event": "discard_in", "settings": "9600,n,8,1"})",
                         R"("port": 1, "dir": "tx", "text": "$01VR05\r", "hex": "24 30 31 56 52 30 35 0D"})",
                         R"("port": 1, "exchange": {"address": "01", "command": "VR", "sent": "$01VR05\r", )"
                         R"("received": "*012.001D\r", "verdict": "")",
                         R"("port": 1, "device": "sim", "event": "close", "settings": "9600,n,8,1"})"));
  EXPECT_EQ(rx, R"(*012.001D\r)") << "the reply's bytes, in the order they came";
}

}  // namespace
