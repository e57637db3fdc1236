// The line itself: wire time, who hears what, and what discarding does to bytes that
// are still on the wire.

#include <gtest/gtest.h>

#include "tests/simbus/sim_fixture.h"

namespace {

using simbus::Bus;
using simbus_test::At;
using simbus_test::RawHost;

struct Wire : ::testing::Test {
  platform::VirtualClock clock;
  Bus bus{clock};

  // Waits until a CR arrives or `wait_ms` passes; returns what came and when the last
  // byte arrived.
  std::pair<std::string, std::uint64_t> ReplyOf(RawHost& host, std::uint32_t wait_ms) {
    const std::uint64_t deadline = clock.now_us() + std::uint64_t{wait_ms} * 1000;
    std::string got;
    std::uint64_t last = 0;
    while (got.find('\r') == std::string::npos && clock.now_us() < deadline) {
      host.device.WaitForInput(static_cast<std::uint32_t>((deadline - clock.now_us() + 999) / 1000));
      const std::size_t before = got.size();
      host.device.Read(got);
      if (got.size() > before) last = clock.now_us();
    }
    return {got, last};
  }
};

TEST_F(Wire, AReplyTakesTheRequestsWireTimeTheTurnaroundAndItsOwnWireTime) {
  for (int baud : {9600, 4800, 2400, 1200}) {
    Bus line(clock);
    line.Add(At("01", baud));
    RawHost host(line, baud);
    const std::uint64_t start = clock.now_us();
    const std::uint64_t byte_us = Bus::ByteTimeUs(baud);
    host.Send("01", "AD");  // 8 bytes out, "*010100" CR = 8 bytes back
    host.device.WaitForInput(1000);
    EXPECT_EQ(clock.now_us() - start, 8 * byte_us + 3000 + byte_us) << "first byte at " << baud;
    const auto [reply, last] = ReplyOf(host, 1000);
    EXPECT_EQ(reply, protocol::BuildReplyFrame("0101"));
    EXPECT_EQ(last - start, 16 * byte_us + 3000) << "whole reply at " << baud;
  }
  EXPECT_EQ(Bus::ByteTimeUs(9600), 1042u) << "10 bits at 9600 baud, rounded up";
  EXPECT_EQ(Bus::ByteTimeUs(1200), 8334u);
}

TEST_F(Wire, TheTurnaroundIsConfigurableAndOtherFramingsTakeLonger) {
  bus.Add(At("01", 9600));
  bus.set_turnaround_ms(10);
  RawHost host(bus);
  const std::uint64_t start = clock.now_us();
  host.Send("01", "AD");
  host.device.WaitForInput(1000);
  EXPECT_EQ(clock.now_us() - start, 9 * Bus::ByteTimeUs(9600) + 10000);

  platform::LineSettings seven_even_two{9600, 'e', 7, "2"};  // 1 + 7 + 1 + 2 = 11 bits
  EXPECT_EQ(Bus::ByteTimeUs(seven_even_two), 1146u);
}

TEST_F(Wire, OnlyTransmittersAtTheHostsRateAndFramingHear) {
  bus.Add(At("01", 4800));
  RawHost host(bus, 9600);
  host.Send("01", "AD");
  EXPECT_EQ(host.Collect(300), "");
  for (platform::LineSettings other :
       {platform::LineSettings{19200, 'n', 8, "1"}, platform::LineSettings{4800, 'e', 8, "1"},
        platform::LineSettings{4800, 'n', 7, "1"}}) {
    host.device.Configure(other);
    host.Send("01", "AD");
    EXPECT_EQ(host.Collect(300), "") << other.baud << other.parity << other.data_bits;
  }
  host.SetBaud(4800);
  host.Send("01", "AD");
  EXPECT_EQ(host.Collect(300), protocol::BuildReplyFrame("0101"));
  EXPECT_EQ(bus.stats().frames_heard, 1u);
}

TEST_F(Wire, FramesWithABadChecksumOrAnotherAddressAreIgnored) {
  bus.Add(At("01", 9600));
  RawHost host(bus);
  host.device.Write("$01AD00\r");  // the checksum of "01AD" is not 00
  EXPECT_EQ(host.Collect(200), "");
  EXPECT_EQ(bus.stats().frames_rejected, 1u);
  host.device.Write("$01TY0c\r");  // the right checksum "0C", written in lower case
  EXPECT_EQ(host.Collect(200), "");
  EXPECT_EQ(bus.stats().frames_rejected, 2u);
  host.Send("02", "AD");
  EXPECT_EQ(host.Collect(200), "");
  EXPECT_EQ(bus.stats().frames_heard, 1u) << "heard, but not for 01";

  host.device.Write("junk" + protocol::BuildRequestFrame("01", "AD"));  // noise before "$"
  EXPECT_EQ(host.Collect(200), protocol::BuildReplyFrame("0101"));
}

TEST_F(Wire, OneAddressAtTwoRatesIsTwoTransmitters) {
  simbus::Transmitter& fast = bus.Add(At("07", 9600));
  simbus::Transmitter& slow = bus.Add(At("07", 1200, "1.50"));
  RawHost host(bus, 9600);
  host.Send("07", "VR");
  EXPECT_EQ(host.Collect(200), protocol::BuildReplyFrame("072.00"));
  host.SetBaud(1200);
  host.Send("07", "VR");
  EXPECT_EQ(host.Collect(500), protocol::BuildReplyFrame("071.50"));
  host.Send("07", "UT4");
  host.Collect(500);
  EXPECT_EQ(slow.present().unit, 4);
  EXPECT_EQ(fast.present().unit, 0);
}

TEST_F(Wire, DiscardingInputDropsOnlyWhatHasArrived) {
  bus.Add(At("01", 9600));
  RawHost host(bus);
  host.Send("01", "TY");  // "*0186000000" + sum + CR: 14 bytes
  host.device.WaitForInput(100);
  clock.advance_us(3 * Bus::ByteTimeUs(9600) - 1);  // three bytes in, the fourth on the wire
  host.device.DiscardInput();
  EXPECT_EQ(host.Collect(100), protocol::BuildReplyFrame("0186000000").substr(3));
  EXPECT_EQ(bus.stats().bytes_discarded_input, 3u);
}

TEST_F(Wire, ALateReplyIsEitherDiscardedByTheNextTransactionOrLandsInItsWait) {
  bus.Add(At("01", 9600)).faults() = {.late_ms = 150};
  platform::SerialPort port(
      [&](int, platform::PortError&) { return std::make_unique<simbus::SimDevice>(bus); }, "p");
  ASSERT_FALSE(port.set_port_open(true));
  protocol::Transaction link(port, clock);

  EXPECT_EQ(link.Comm_Send("01", "TY"), protocol::kResultNoReply) << "after the 100 ms time-out";
  // Sent at once, the next command's wait catches the late "TY" reply.
  EXPECT_EQ(link.Comm_Send("01", "VR"), "*0186000000\r");
  // Given time to arrive first, the late "VR" reply is thrown away by the next discard.
  clock.advance_ms(500);
  EXPECT_EQ(link.Comm_Send("01", "ID"), protocol::kResultNoReply);
  EXPECT_GT(bus.stats().bytes_discarded_input, 0u);
}

TEST_F(Wire, DiscardingOutputDropsWhatHasNotStartedOnTheWire) {
  bus.Add(At("01", 9600));
  RawHost host(bus);
  host.Send("01", "AD");
  clock.advance_us(3 * Bus::ByteTimeUs(9600));
  host.device.DiscardOutput();  // "$01" went out, the rest never does
  EXPECT_EQ(host.Collect(200), "");
  EXPECT_EQ(bus.stats().bytes_discarded_output, 5u);
  host.Send("01", "AD");  // a new "$" starts a new frame
  EXPECT_EQ(host.Collect(200), protocol::BuildReplyFrame("0101"));
}

TEST_F(Wire, WritesQueueBehindEachOther) {
  bus.Add(At("02", 9600));
  RawHost host(bus);
  const std::uint64_t start = clock.now_us();
  host.Send("01", "AD");  // nobody at 01
  host.Send("02", "AD");  // goes out after the first frame
  host.device.WaitForInput(100);
  EXPECT_EQ(clock.now_us() - start, 17 * Bus::ByteTimeUs(9600) + 3000);
  EXPECT_EQ(host.Collect(100), protocol::BuildReplyFrame("0202"));
}

TEST_F(Wire, AWriterFarAheadOfTheLineLosesBytesAndRateZeroHoldsNothingUp) {
  bus.Add(At("01", 9600));
  RawHost host(bus, 1200);
  host.device.Write(std::string(70000, 'x'));  // about ten minutes of wire at 1200 baud
  EXPECT_EQ(bus.stats().bytes_overrun, 70000u - 65536u);

  simbus::Bus other(clock);
  other.Add(At("01", 9600));
  RawHost zero(other, 0);  // a tty at B0
  zero.device.Write(std::string(1000, 'x') + protocol::BuildRequestFrame("01", "AD"));
  EXPECT_EQ(zero.Collect(100), "") << "nobody runs at rate 0";
  zero.SetBaud(9600);
  const std::uint64_t start = clock.now_us();
  zero.Send("01", "AD");
  zero.device.WaitForInput(100);
  EXPECT_EQ(clock.now_us() - start, 9 * Bus::ByteTimeUs(9600) + 3000) << "the rate-0 bytes did not queue";
}

TEST_F(Wire, ChangingTheHostsRateMidReplyLosesTheRest) {
  bus.Add(At("01", 9600));
  RawHost host(bus);
  host.Send("01", "TY");
  host.device.WaitForInput(100);
  clock.advance_us(2 * Bus::ByteTimeUs(9600));  // "*01" arrived, the rest on the wire
  host.SetBaud(4800);
  EXPECT_EQ(host.Collect(100), "*01");
  EXPECT_EQ(bus.stats().bytes_garbled, protocol::BuildReplyFrame("0186000000").size() - 3);
}

TEST_F(Wire, WaitingOnAQuietLineJumpsStraightToTheDeadline) {
  RawHost host(bus);
  const std::uint64_t start = clock.now_us();
  host.device.WaitForInput(450);
  EXPECT_EQ(clock.now_us() - start, 450000u);
  host.device.WaitForInput(0);
  EXPECT_EQ(clock.now_us() - start, 450000u);
}

}  // namespace
