// Dravon end to end through a real serial device server: the built program in headless
// mode, connected over the loopback to ser2net, which serves the simbus program's
// pseudo-terminal. Skipped, saying so, where ser2net is not installed.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "tests/support/child_process.h"
#include "tests/support/ser2net_process.h"

namespace {

using testing_support::ControlField;
using testing_support::LineForControl;
using testing_support::RunProgram;
using testing_support::Ser2netProcess;
using testing_support::SimbusProcess;

class NetworkPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ser2net_ = Ser2netProcess::Find();
    if (ser2net_.empty()) GTEST_SKIP() << "ser2net is not installed (Debian package ser2net): not tried";
  }
  std::string ser2net_;
  testing_support::TempConfigHome config_;
};

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(NetworkPortTest, SearchOverRfc2217FindsTransmittersAtTwoSpeeds) {
  SimbusProcess bus(SIMBUS_BINARY, {"--transmitter", "04:9600:1.50", "--transmitter", "11:2400:2.10"});
  ASSERT_FALSE(bus.tty().empty()) << "the simbus program did not start";
  Ser2netProcess server(ser2net_, bus.tty(), 9600);
  ASSERT_TRUE(server.ready()) << "ser2net did not start";

  const auto run =
      RunProgram(DRAVON_BINARY, {"--headless", "--port", "1=" + server.Rfc2217Target()},
                 "choose cmbCommPort 0\nclick cmdSEARCH\nshow CMB_ADDR\nshow TXT_VER\nshow StatusBar1\n"
                 "choose CMB_ADDR 1\nshow TXT_VER\nshow TXT_BAND\nclose\n",
                 std::chrono::minutes(4), {config_.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  const std::vector<std::string>& out = run.stdout_lines;
  EXPECT_NE(LineForControl(out, "CMB_ADDR").find("[\"04\", \"11\"]"), std::string::npos)
      << LineForControl(out, "CMB_ADDR");
  EXPECT_NE(LineForControl(out, "StatusBar1").find("在线变送器 2个"), std::string::npos);
  ASSERT_GE(out.size(), 5u);
  const std::vector<std::string> second(out.begin() + 3, out.end());
  EXPECT_EQ(ControlField(second, "TXT_VER", "text"), "2.10") << "read at 2400 through the server";
  EXPECT_EQ(ControlField(second, "TXT_BAND", "text"), "2400");
}

TEST_F(NetworkPortTest, ReadOverARawStreamAtTheServersSpeed) {
  SimbusProcess bus(SIMBUS_BINARY, {"--transmitter", "09:4800:3.20", "--transmitter", "02:9600:1.00"});
  ASSERT_FALSE(bus.tty().empty()) << "the simbus program did not start";
  Ser2netProcess server(ser2net_, bus.tty(), 4800);
  ASSERT_TRUE(server.ready()) << "ser2net did not start";

  // The search probes 4800 only, where the server's line runs.
  const auto run =
      RunProgram(DRAVON_BINARY, {"--headless", "--port", "1=" + server.TcpTarget() + ",baud=4800"},
                 "choose cmbCommPort 0\nclick cmdSEARCH\nshow CMB_ADDR\nshow TXT_VER\nshow TXT_BAND\nclose\n",
                 std::chrono::minutes(2), {config_.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  EXPECT_NE(LineForControl(run.stdout_lines, "CMB_ADDR").find("[\"09\"]"), std::string::npos)
      << LineForControl(run.stdout_lines, "CMB_ADDR");
  EXPECT_EQ(ControlField(run.stdout_lines, "TXT_VER", "text"), "3.20");
  EXPECT_EQ(ControlField(run.stdout_lines, "TXT_BAND", "text"), "4800");
}

// The server goes away while Dravon works through it: the search ends, the program exits
// in time, and the trace holds the lost connection in words.
TEST_F(NetworkPortTest, AServerLostMidSearchOrMidReadEndsInAFailureNotAHang) {
  struct Case {
    const char* name;
    bool raw;
    const char* script;
    int kill_after_ms;
  };
  // The raw stream's search probes one speed (about ten seconds), then the polling runs.
  const Case cases[] = {
      {"search", false, "choose cmbCommPort 0\nclick cmdSEARCH\nshow StatusBar1\nclose\n", 1500},
      {"polling", true, "choose cmbCommPort 0\nclick cmdSEARCH\nclick cmdON_OFF\nwait 12000\nclose\n", 15000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimbusProcess bus(SIMBUS_BINARY, {"--transmitter", "01:9600:1.50"});
    ASSERT_FALSE(bus.tty().empty());
    Ser2netProcess server(ser2net_, bus.tty(), 9600);
    ASSERT_TRUE(server.ready());
    std::thread killer([&server, &c] {
      std::this_thread::sleep_for(std::chrono::milliseconds(c.kill_after_ms));
      server.Stop();
    });
    const std::string trace = config_.dir() + "/" + c.name + ".jsonl";
    const auto run =
        RunProgram(DRAVON_BINARY,
                   {"--headless", "--port", "1=" + (c.raw ? server.TcpTarget() : server.Rfc2217Target()),
                    "--trace", trace},
                   c.script, std::chrono::minutes(3), {config_.Env()});
    killer.join();
    EXPECT_EQ(run.exit_status, 0) << "the program ended by itself\n" << run.stderr_text;
    EXPECT_NE(FileText(trace).find("连接已断开"), std::string::npos) << "the trace names the lost connection";
  }
}

}  // namespace
