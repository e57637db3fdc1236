// The command set as Dravon meets it: every command through the program's own serial
// port and transaction engine, so a passing result is a reply frame the engine accepted.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>

#include "platform/text/ansi_codepage.h"
#include "simbus/value_format.h"
#include "tests/simbus/sim_fixture.h"
#include "tests/support/comma_decimal_locale.h"

namespace {

using simbus_test::At;
using simbus_test::RawHost;

struct Commands : simbus_test::SimBusFixture {
  simbus::Transmitter* t = nullptr;
  void SetUp() override {
    t = &bus.Add(At("01", 9600));
    bus.Add(At("02", 9600, "1.50"));
    Open(9600);
  }
};

TEST_F(Commands, EveryCommandIsAnsweredWithItsReplyFrameInOrder) {
  // "command=value", run in order: writes change what later reads return. No "=": no answer.
  const auto run = [this](const char* addr, std::initializer_list<std::string> steps) {
    for (const std::string& step : steps) {
      SCOPED_TRACE(std::string(addr) + " " + step);
      const std::size_t eq = step.find('=');
      EXPECT_EQ(Send(addr, step.substr(0, eq)), eq == std::string::npos
                                                    ? std::string(protocol::kResultNoReply)
                                                    : "*" + std::string(addr) + step.substr(eq + 1) + "\r");
    }
  };
  run("01", {"AD=01", "TY=86000000", "ID=08000000", "VR=2.00", "SL=+000.0", "SH=+250.0", "FU=0"});
  run("02", {"VR=1.50", "SL=+000.0", "SH=+250.0", "FU=0"});
  run("01", {"TY86001234=86001234", "ID12345678=12345678", "TY=86001234"});
  run("01", {"UT=0", "UT5=5", "UT12=12", "UT-1=12", "UT13=12", "DL=+000.0", "DH=+100.0"});
  run("01", {"DL-005.0=-005.0", "DH12.3=+012.3", "OL+000.0=+000.0", "OH+020.0=+020.0", "OLDAL=+000.0"});
  run("01", {"ZF=+0000", "ZF+0025=+0025", "FF-5000=-5000", "FFDAFF=-5000"});
  run("01", {"DP=1", "DP2=2", "DP5=2", "DH=+12.30", "OH=+20.00"});
  run("01", {"XX", "RP1", "RT", "VR2.00", "WUX", "SZ1", "LD0", "", "Z", "AD=01"});
  EXPECT_EQ(t->present().serial, "12345678");
  EXPECT_EQ(t->present().unit, 12);
  EXPECT_EQ(t->present().trim_low, 25);
  EXPECT_EQ(t->present().trim_high, -5000);

  RawHost host(bus);
  host.Send("01", "VR");
  EXPECT_EQ(host.Collect(100), "*012.001D\r") << "the checksum on the raw line";
}

// Qt puts a German desktop's locale into the C library, where printf writes "40,4".
TEST_F(Commands, RepliesAndTheBusTraceKeepTheirDecimalPointUnderACommaDecimalLocale) {
  const testing_support::CommaDecimalLocale german;
  if (!german.active()) GTEST_SKIP() << "no comma-decimal locale: " << german.why_not();
  std::string trace;
  bus.set_trace([&trace](std::string_view line) { trace += std::string(line) + "\n"; });
  const struct {
    std::string command;
    std::string reply;  // a pattern of the whole reply after "*01"
  } steps[] = {{"DH12.3", R"(\+012\.3)"},  {"OL-5", R"(-005\.0)"},        {"DP2", "2"},
               {"OH20.25", R"(\+20\.25)"}, {"RP0", R"([+-]\d{3}\.\d\d)"}, {"RT0", R"(-?\d+\.\d)"}};
  for (const auto& step : steps) {
    const std::string got = Send("01", step.command);
    EXPECT_TRUE(std::regex_match(got, std::regex(R"(\*01)" + step.reply + "\r")))
        << step.command << ": " << got;
  }
  EXPECT_TRUE(std::regex_search(trace, std::regex(R"(^ +\d+\.\d{3} ms  )"))) << trace;
  EXPECT_EQ(trace.find(','), std::string::npos) << trace;
}

TEST_F(Commands, LiveReadingsDependOnTheClockAndZeroingOffsetsThem) {
  double low = 1e9, high = -1e9;
  for (int i = 0; i < 200; ++i, clock.advance_ms(300)) {  // the polling interval
    const std::string result = Send("01", "RP0");
    ASSERT_GT(result.size(), 8u) << "polling counts a pressure reply of 8 characters or fewer as failed";
    const std::string value = protocol::ValueCut(result);
    ASSERT_TRUE(value[0] == '+' || value[0] == '-') << value;
    ASSERT_EQ(value.size() - value.find('.'), 2u) << "one decimal at the default code: " << value;
    low = std::min(low, std::atof(value.c_str()));
    high = std::max(high, std::atof(value.c_str()));
  }
  EXPECT_NEAR(low, 38.0, 0.1) << "the default signal: 40 +- 2 over a 60 s period";
  EXPECT_NEAR(high, 42.0, 0.1);

  const std::uint64_t heard_at = clock.now_us() + 9 * simbus::Bus::ByteTimeUs(9600);  // "$01RP033" CR
  EXPECT_EQ(Value("01", "RP0"), simbus::FormatPressure(t->PressureAt(heard_at), 1));
  const std::string temperature = Value("01", "RT0");
  EXPECT_EQ(temperature.find('+'), std::string::npos) << temperature;
  EXPECT_NEAR(std::atof(temperature.c_str()), 23.5, 1.0) << temperature;

  EXPECT_EQ(Value("01", "SZ"), "+0000.0");
  EXPECT_NEAR(std::atof(Value("01", "RP0").c_str()), 0.0, 0.2) << "right after zeroing";
}

TEST_F(Commands, ADoubleByteTypeCodeIsStoredButItsEchoFailsTheReplyCheck) {
  // A GBK echo carries a four-digit checksum; the reply check takes two, so "EER 3".
  const std::string gbk = platform::Utf8ToAnsi("型号1");
  RawHost host(bus);
  host.device.Write(protocol::BuildRequestFrame("01", "TY" + gbk));
  EXPECT_EQ(host.Collect(100), protocol::BuildReplyFrame("01" + gbk));
  EXPECT_EQ(t->present().type, gbk);
  EXPECT_EQ(Send("01", "TY型号1"), protocol::kResultBadFrame);
}

TEST_F(Commands, AFixedPressureTextReplacesTheLiveReadingUntilCleared) {
  t->set_pressure_text("+4.0");  // firmware with a shorter form: the polling length rule must see it
  EXPECT_EQ(Send("01", "RP0"), "*01+4.0\r");
  t->faults() = {.overflow = simbus::Overflow::kPositive};
  EXPECT_EQ(Value("01", "RP0"), "+@OVER") << "faults still shape the fixed text";
  t->faults() = {};
  t->set_pressure_text("");
  EXPECT_EQ(Value("01", "RP0").size(), 7u) << "the live reading again";
}

}  // namespace
