// The command set as Dravon meets it: every command through the program's own serial
// port and transaction engine, so a passing result is a reply frame the engine accepted.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/text/ansi_codepage.h"
#include "simbus/value_format.h"
#include "tests/simbus/sim_fixture.h"

namespace {

using simbus_test::At;
using simbus_test::RawHost;

struct Commands : simbus_test::SimBusFixture {
  simbus::Transmitter* t = nullptr;
  void SetUp() override {
    t = &bus.Add(At("01", 9600));
    Open(9600);
  }
};

TEST_F(Commands, IdentityReadsAndWrites) {
  EXPECT_EQ(Send("01", "AD"), "*0101\r") << "the bus search's exact match";
  EXPECT_EQ(Value("01", "TY"), "86000000");
  EXPECT_EQ(Value("01", "ID"), "08000000");
  EXPECT_EQ(Value("01", "VR"), "2.00");
  EXPECT_EQ(Value("01", "TY86001234"), "86001234") << "a write echoes what is stored";
  EXPECT_EQ(Value("01", "ID12345678"), "12345678");
  EXPECT_EQ(Value("01", "TY"), "86001234");
  EXPECT_EQ(t->present().serial, "12345678");
}

TEST_F(Commands, TheVersionReplyIsTheSpecificationsExampleFrame) {
  RawHost host(bus);
  host.Send("01", "VR");
  EXPECT_EQ(host.Collect(100), "*012.001D\r");
}

TEST_F(Commands, UnitAndDecimalPointEchoTheCodeAndRefuseCodesOutOfRange) {
  EXPECT_EQ(Value("01", "UT"), "0");
  EXPECT_EQ(Value("01", "UT5"), "5");
  EXPECT_EQ(Value("01", "UT12"), "12");
  EXPECT_EQ(Value("01", "UT-1"), "12") << "nothing selected in the list: the code stays";
  EXPECT_EQ(Value("01", "UT13"), "12");
  EXPECT_EQ(Value("01", "DP"), "1");
  EXPECT_EQ(Value("01", "DP3"), "3");
  EXPECT_EQ(Value("01", "DP5"), "3");
  EXPECT_EQ(t->present().unit, 12);
  EXPECT_EQ(t->present().dp, 3);
}

TEST_F(Commands, RangeAndOutputValuesAreStoredAsNumbersAndEchoedInThePattern) {
  EXPECT_EQ(Value("01", "DL"), "+000.0");
  EXPECT_EQ(Value("01", "DH"), "+100.0");
  EXPECT_EQ(Value("01", "DL-005.0"), "-005.0");
  EXPECT_EQ(Value("01", "DH12.3"), "+012.3") << "a version 2.10 sends what was typed";
  EXPECT_EQ(Value("01", "OL+000.0"), "+000.0");
  EXPECT_EQ(Value("01", "OH+020.0"), "+020.0");
  EXPECT_EQ(Value("01", "OLDAL"), "+000.0") << "an unreadable value changes nothing";
  EXPECT_EQ(Value("01", "DP2"), "2");
  EXPECT_EQ(Value("01", "DH"), "+12.30") << "the decimal point moves, the value stays";
  EXPECT_EQ(Value("01", "OH"), "+20.00");
}

TEST_F(Commands, TrimsAreSignAndFourDigits) {
  EXPECT_EQ(Value("01", "ZF"), "+0000");
  EXPECT_EQ(Value("01", "ZF+0025"), "+0025");
  EXPECT_EQ(Value("01", "FF-5000"), "-5000");
  EXPECT_EQ(Value("01", "FFDAFF"), "-5000");
  EXPECT_EQ(t->present().trim_low, 25);
  EXPECT_EQ(t->present().trim_high, -5000);
}

TEST_F(Commands, LimitsAnswerForEveryVersion) {
  bus.Add(At("02", 9600, "1.50"));
  for (const char* addr : {"01", "02"}) {
    EXPECT_EQ(Value(addr, "SL"), "+000.0") << addr;
    EXPECT_EQ(Value(addr, "SH"), "+250.0") << addr;
    EXPECT_EQ(Value(addr, "FU"), "0") << addr;
  }
  EXPECT_EQ(Value("02", "VR"), "1.50");
}

TEST_F(Commands, PressureRepliesAreLongEnoughToCountAndMovePlausibly) {
  double low = 1e9, high = -1e9;
  for (int i = 0; i < 200; ++i) {
    const std::string result = Send("01", "RP0");
    ASSERT_GT(result.size(), 8u) << "polling counts a pressure reply of 8 characters or fewer as failed";
    const std::string value = protocol::ValueCut(result);
    ASSERT_TRUE(value[0] == '+' || value[0] == '-') << value;
    ASSERT_EQ(value.size() - value.find('.'), 2u)
        << "one decimal at the default decimal-point code: " << value;
    const double p = std::atof(value.c_str());
    low = std::min(low, p);
    high = std::max(high, p);
    clock.advance_ms(300);  // the polling interval
  }
  // The default signal: 40 +- 2 with a little noise, over a full 60 s period.
  EXPECT_NEAR(low, 38.0, 0.1);
  EXPECT_NEAR(high, 42.0, 0.1);
}

TEST_F(Commands, LiveValuesAreTakenWhenTheRequestEndsAndDependOnTheClockAlone) {
  clock.advance_ms(12345);
  const std::uint64_t heard_at = now_us() + 9 * simbus::Bus::ByteTimeUs(9600);  // "$01RP033" CR
  const std::string value = Value("01", "RP0");
  EXPECT_EQ(value, simbus::FormatPressure(t->PressureAt(heard_at), 1));

  // A second transmitter with the same configuration gives the same values at the same
  // times, however often it was asked; another seed gives other noise.
  simbus::Transmitter twin(At("01", 9600)), other([] {
    auto c = At("01", 9600);
    c.seed = 99;
    return c;
  }());
  int differ = 0;
  for (std::uint64_t ms = 0; ms < 5000; ms += 100) {
    EXPECT_EQ(twin.PressureAt(ms * 1000), t->PressureAt(ms * 1000));
    EXPECT_EQ(twin.TemperatureAt(ms * 1000), t->TemperatureAt(ms * 1000));
    differ += other.PressureAt(ms * 1000) != t->PressureAt(ms * 1000);
  }
  EXPECT_GT(differ, 40);
}

TEST_F(Commands, TemperatureIsAPlainNumber) {
  const std::string value = Value("01", "RT0");
  EXPECT_EQ(value.find('+'), std::string::npos) << value;
  EXPECT_NEAR(std::atof(value.c_str()), 23.5, 1.0) << value;
  EXPECT_EQ(value.size() - value.find('.'), 2u) << value;
}

TEST_F(Commands, ZeroingAnswersTheNewPressureAndOffsetsLaterReadings) {
  clock.advance_ms(5000);
  EXPECT_EQ(Value("01", "SZ"), "+0000.0");
  EXPECT_NE(t->present().zero_offset, 0.0);
  const double p = std::atof(Value("01", "RP0").c_str());
  EXPECT_NEAR(p, 0.0, 0.2) << "the reading right after zeroing sits near zero";
}

TEST_F(Commands, UnknownCommandsAndArgumentsToReadOnlyCommandsGetNoAnswer) {
  for (const char* comm : {"XX", "RP1", "RT", "VR2.00", "WUX", "SZ1", "LD0", "", "Z"}) {
    EXPECT_EQ(Send("01", comm), protocol::kResultNoReply) << comm;
  }
  EXPECT_EQ(Send("01", "AD"), "*0101\r") << "still there afterwards";
}

TEST_F(Commands, ADoubleByteTypeCodeTravelsWithItsLongerChecksum) {
  // The console can send GBK text: the request carries a four-digit checksum and the
  // transmitter's echo does too. The reply check takes the last two characters
  // before the CR as the checksum, so the engine reports such an echo as "EER 3".
  const std::string gbk = platform::Utf8ToAnsi("型号1");
  ASSERT_EQ(gbk.size(), 5u);
  RawHost host(bus);
  host.device.Write(protocol::BuildRequestFrame("01", "TY" + gbk));
  const std::string raw = host.Collect(100);
  EXPECT_EQ(t->present().type, gbk);
  EXPECT_EQ(raw, protocol::BuildReplyFrame("01" + gbk));
  EXPECT_EQ(raw.size(), 1 + 2 + gbk.size() + 4 + 1u);
  EXPECT_EQ(Send("01", "TY型号1"), protocol::kResultBadFrame);
}

TEST_F(Commands, AFixedPressureTextReplacesTheLiveReadingUntilCleared) {
  // Firmware that writes a shorter pressure form: the polling length rule must see it.
  t->set_pressure_text("+40.0");
  EXPECT_EQ(Send("01", "RP0"), "*01+40.0\r");
  t->set_pressure_text("+4.0");
  EXPECT_EQ(Send("01", "RP0"), "*01+4.0\r");
  t->faults() = {.overflow = simbus::Overflow::kPositive};
  EXPECT_EQ(Value("01", "RP0"), "+@OVER") << "faults still shape the fixed text";
  t->faults() = {};
  t->set_pressure_text("");
  EXPECT_EQ(Value("01", "RP0").size(), 7u) << "the live reading again";
}

}  // namespace
