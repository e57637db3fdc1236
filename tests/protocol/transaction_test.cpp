#include "protocol/transaction.h"

#include <gtest/gtest.h>

#include "platform/text/ansi_codepage.h"
#include "protocol/frame.h"
#include "tests/support/scripted_device.h"

namespace {

using testing_support::ScriptedDevice;

struct TransactionFixture : ::testing::Test {
  platform::VirtualClock clock;
  ScriptedDevice* device = nullptr;
  platform::SerialPort port{[this](int, platform::PortError&) {
                              auto d = std::make_unique<ScriptedDevice>(clock);
                              device = d.get();
                              return d;
                            },
                            "MSCommBsq"};
  protocol::Transaction link{port, clock};

  void SetUp() override { ASSERT_FALSE(port.set_port_open(true)); }
  std::uint64_t now_ms() const { return clock.now_us() / 1000; }
};

TEST_F(TransactionFixture, SendsTheFrameAndReturnsTheCheckedReply) {
  device->ReplyToNextWrite(20, "*01OK05\r");
  EXPECT_EQ(link.Comm_Send("01", "WU"), "*01OK\r");
  ASSERT_EQ(device->writes.size(), 1u);
  EXPECT_EQ(device->writes[0], protocol::BuildRequestFrame("01", "WU"));
  EXPECT_EQ(now_ms(), 20u) << "returns as soon as the CR is in";
}

TEST_F(TransactionFixture, TimeOutFollowsTheBaudRate) {
  const std::pair<const char*, std::uint64_t> table[] = {
      {"9600,N,8,1", 100}, {"4800,N,8,1", 150}, {"2400,N,8,1", 250}, {"1200,N,8,1", 450}};
  for (const auto& [settings, timeout] : table) {
    port.set_settings(settings);
    const std::uint64_t start = now_ms();
    EXPECT_EQ(link.Comm_Send("01", "AD"), protocol::kResultNoReply);
    EXPECT_EQ(now_ms() - start, timeout) << settings;
  }
}

TEST_F(TransactionFixture, AnUnknownSettingsTextReadsOnceAndReturns) {
  port.set_settings("19200,N,8,1");
  device->ReplyToNextWrite(0, "*01OK05\r");  // even a reply already there is only read once
  const int reads_before = device->reads;
  EXPECT_EQ(link.Comm_Send("01", "AD"), "*01OK\r");
  EXPECT_EQ(device->reads - reads_before, 1);

  port.set_settings("19200,N,8,1");
  device->ReplyToNextWrite(5, "*01OK05\r");
  EXPECT_EQ(link.Comm_Send("01", "AD"), protocol::kResultNoReply);
  EXPECT_EQ(device->waits, 0) << "a zero time-out never waits";
}

TEST_F(TransactionFixture, TheTimeOutHoldsAcrossTheTickCounterWrap) {
  clock.set_tick_origin_ms(0xFFFFFFFFu - 30);
  EXPECT_EQ(link.Comm_Send("01", "AD"), protocol::kResultNoReply);
  EXPECT_EQ(now_ms(), 100u);
}

TEST_F(TransactionFixture, ALateReplyIsDiscardedByTheNextTransaction) {
  device->ReplyToNextWrite(130, "*01+012.3408\r");
  EXPECT_EQ(link.Comm_Send("01", "RP0"), protocol::kResultNoReply);
  clock.advance_ms(50);  // the late reply lands between the two transactions
  device->ReplyToNextWrite(10, "*01OK05\r");
  EXPECT_EQ(link.Comm_Send("01", "WU"), "*01OK\r");
}

TEST_F(TransactionFixture, APieceWiseReplyIsJoined) {
  device->ReplyToNextWrite(10, "*01");
  device->ReplyToNextWrite(30, "OK");
  device->ReplyToNextWrite(60, "05\r");
  EXPECT_EQ(link.Comm_Send("01", "WU"), "*01OK\r");
  EXPECT_EQ(now_ms(), 60u);
}

TEST_F(TransactionFixture, DamagedRepliesGiveTheBadFrameResult) {
  device->ReplyToNextWrite(10, "*01OK05");  // never terminated: waits out the time-out
  EXPECT_EQ(link.Comm_Send("01", "WU"), protocol::kResultBadFrame);
  EXPECT_EQ(now_ms(), 100u);

  device->ReplyToNextWrite(10, "*01OK05\rxy");  // trailing bytes in the same read are kept, not cut off
  EXPECT_EQ(link.Comm_Send("01", "WU"), protocol::kResultBadFrame);
}

TEST_F(TransactionFixture, AStreamWithoutCarriageReturnIsBoundedAndFails) {
  for (int ms = 1; ms < 100; ++ms) device->ReplyToNextWrite(ms, std::string(1000, 'x'));
  EXPECT_EQ(link.Comm_Send("01", "RP0"), protocol::kResultBadFrame);
  EXPECT_EQ(now_ms(), 100u);
}

TEST_F(TransactionFixture, AClosedPortFailsAtOnce) {
  port.set_port_open(false);
  EXPECT_EQ(link.Comm_Send("01", "RP0"), protocol::kResultNoReply);
  EXPECT_EQ(now_ms(), 0u);
}

TEST_F(TransactionFixture, ADeviceThatVanishesMidWaitEndsTheTransactionThere) {
  device->FailFrom(40'000);
  EXPECT_EQ(link.Comm_Send("01", "RP0"), protocol::kResultNoReply);
  EXPECT_EQ(now_ms(), 40u);
  EXPECT_EQ(link.Comm_Send("01", "RP0"), protocol::kResultNoReply);
  EXPECT_EQ(now_ms(), 40u) << "later transactions fail at once instead of waiting or spinning";
}

TEST_F(TransactionFixture, ConsoleTextTravelsAsTypedInTheAnsiCodePage) {
  link.Comm_Send("01", "rp0");
  EXPECT_EQ(device->writes.back(), protocol::BuildRequestFrame("01", "rp0"));

  link.Comm_Send("01", "RP中");
  const std::string ansi = platform::Utf8ToAnsi("RP中");
  EXPECT_EQ(device->writes.back(), "$01" + ansi + "D6D3\r");

  // "€" is the single byte 80 in the code page, not the lead byte of a pair: 01 ^ 80 ^ 41.
  link.Comm_Send("01", "€A");
  EXPECT_EQ(device->writes.back(),
            "$01\x80"
            "AC0\r");
}

TEST_F(TransactionFixture, NothingToFrameSendsNothing) {
  EXPECT_EQ(link.Comm_Send("", ""), protocol::kResultNoReply);
  EXPECT_TRUE(device->writes.empty());
}

}  // namespace
