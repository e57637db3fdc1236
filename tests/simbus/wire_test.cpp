// The line itself: wire time, who hears what, and what discarding does to bytes that
// are still on the wire.

#include <gtest/gtest.h>

#include "tests/simbus/sim_fixture.h"

namespace {

using simbus::Bus;
using simbus_test::At;
using simbus_test::RawHost;

struct Wire : simbus_test::SimBusFixture {};

TEST_F(Wire, AReplyTakesTheRequestsWireTimeTheTurnaroundAndItsOwnWireTime) {
  for (const auto& [baud, byte_us] : {std::pair{9600, 1042u}, std::pair{1200, 8334u}}) {
    SCOPED_TRACE(baud);
    EXPECT_EQ(Bus::ByteTimeUs(baud), byte_us) << "10 bits a byte, rounded up";
    Bus line(clock);
    line.Add(At("01", baud));
    RawHost host(line, baud);
    const std::uint64_t start = clock.now_us();
    host.Send("01", "AD");  // 8 bytes out, "*010100" CR = 8 bytes back
    host.device.WaitForInput(1000);
    EXPECT_EQ(clock.now_us() - start, 8 * byte_us + 3000 + byte_us) << "the first byte";
    std::string got;
    clock.sleep_until_us(start + 16 * byte_us + 3000 - 1);
    host.device.Read(got);
    EXPECT_EQ(got.size(), 7u) << "the CR still on the wire";
    clock.advance_us(1);
    host.device.Read(got);
    EXPECT_EQ(got, protocol::BuildReplyFrame("0101"));
  }
}

TEST_F(Wire, OnlyTransmittersAtTheHostsRateAndFramingHear) {
  bus.Add(At("01", 4800));
  RawHost host(bus, 9600);
  for (platform::LineSettings other :
       {platform::LineSettings{9600, 'n', 8, "1"}, platform::LineSettings{4800, 'e', 8, "1"},
        platform::LineSettings{4800, 'n', 7, "1"}}) {
    host.device.Configure(other);
    host.Send("01", "AD");
    EXPECT_EQ(host.Collect(300), "") << other.baud << other.parity << other.data_bits;
  }
  host.SetBaud(4800);
  host.Send("01", "AD");
  EXPECT_EQ(host.Collect(300), protocol::BuildReplyFrame("0101"));
}

TEST_F(Wire, FramesWithABadChecksumOrAnotherAddressAreIgnored) {
  bus.Add(At("01", 9600));
  RawHost host(bus);
  for (const std::string& frame : std::initializer_list<std::string>{
           "$01AD00\r", "$01TY0c\r", protocol::BuildRequestFrame("02", "AD")}) {
    host.device.Write(frame);  // not the sum of "01AD"; the right sum in lower case; nobody at 02
    EXPECT_EQ(host.Collect(200), "") << frame;
  }
  EXPECT_EQ(bus.stats().frames_rejected, 2u);
  host.device.Write("junk" + protocol::BuildRequestFrame("01", "AD"));  // noise before "$"
  EXPECT_EQ(host.Collect(200), protocol::BuildReplyFrame("0101"));
}

TEST_F(Wire, DiscardingDropsOnlyWhatHasArrivedOrNotYetLeft) {
  bus.Add(At("01", 9600));
  RawHost host(bus);
  host.Send("01", "TY");  // "*0186000000" + sum + CR: 14 bytes
  host.device.WaitForInput(100);
  clock.advance_us(3 * Bus::ByteTimeUs(9600) - 1);  // three bytes in, the fourth on the wire
  host.device.DiscardInput();
  EXPECT_EQ(host.Collect(100), protocol::BuildReplyFrame("0186000000").substr(3));

  host.Send("01", "AD");
  clock.advance_us(3 * Bus::ByteTimeUs(9600));
  host.device.DiscardOutput();  // "$01" went out, the rest never does
  EXPECT_EQ(host.Collect(200), "");
  host.Send("01", "AD");  // a new "$" starts a new frame
  EXPECT_EQ(host.Collect(200), protocol::BuildReplyFrame("0101"));
}

TEST_F(Wire, ALateReplyIsEitherDiscardedByTheNextTransactionOrLandsInItsWait) {
  bus.Add(At("01", 9600)).faults() = {.late_ms = 150};
  Open(9600);
  EXPECT_EQ(Send("01", "TY"), protocol::kResultNoReply) << "after the 100 ms time-out";
  EXPECT_EQ(Send("01", "VR"), "*0186000000\r") << "sent at once, its wait catches the late reply";
  clock.advance_ms(500);
  EXPECT_EQ(Send("01", "ID"), protocol::kResultNoReply) << "arrived first, the late reply is discarded";
}

}  // namespace
