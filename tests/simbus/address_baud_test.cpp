// Moving a transmitter ("AD" with an address, "BD") and talking to all at once ("AA").

#include <gtest/gtest.h>

#include "tests/simbus/sim_fixture.h"

namespace {

using simbus::Bus;
using simbus_test::At;
using simbus_test::RawHost;

struct AddressBaud : simbus_test::SimBusFixture {};

TEST_F(AddressBaud, ANewAddressIsAnsweredFromTheNewAddress) {
  bus.Add(At("03", 9600));
  Open(9600);
  EXPECT_EQ(Send("03", "AD12"), "*1212\r");
  EXPECT_EQ(Send("03", "AD"), protocol::kResultNoReply);
  for (const char* comm : {"AD", "AD12", "AD00", "ADAA", "AD1", "AD123", "AD1x"}) {
    EXPECT_EQ(Send("12", comm), "*1212\r") << comm << " keeps the address";
  }
}

TEST_F(AddressBaud, TheBaudRateChangesOnceTheReplyHasLeftTheLineAndOnlyForValidCodes) {
  simbus::Transmitter& t = bus.Add(At("03", 2400));
  RawHost host(bus, 2400);
  const std::uint64_t start = clock.now_us();
  host.Send("03", "BD3");  // 9 bytes out, "*033" + sum + CR = 7 bytes back
  const std::uint64_t reply_done = start + 16 * Bus::ByteTimeUs(2400) + 3000;
  std::string got;
  clock.sleep_until_us(reply_done - 1);
  host.device.Read(got);
  EXPECT_EQ(got, protocol::BuildReplyFrame("033").substr(0, 6));
  EXPECT_EQ(t.baud(), 2400) << "still sending its reply";
  clock.sleep_until_us(reply_done);
  host.device.Read(got);
  EXPECT_EQ(got, protocol::BuildReplyFrame("033"));
  EXPECT_EQ(t.baud(), 9600);

  Open(9600);
  for (const char* bad : {"BD7", "BD33", "BD"}) EXPECT_EQ(Value("03", bad), "3") << bad;
  EXPECT_EQ(t.baud(), 9600);
}

TEST_F(AddressBaud, TheCommonAddressReachesEveryoneAtTheRateAndNobodyAnswers) {
  simbus::Transmitter& a = bus.Add(At("01", 9600));
  simbus::Transmitter& b = bus.Add(At("02", 9600, "1.50"));
  simbus::Transmitter& elsewhere = bus.Add(At("03", 4800));
  RawHost host(bus, 9600);
  for (const char* comm : {"UT3", "DH+10.00", "FF-0150", "WF"}) host.Send("AA", comm);
  EXPECT_EQ(host.Collect(500), "") << "no reply to a broadcast";
  for (simbus::Transmitter* t : {&a, &b}) {
    EXPECT_EQ(t->present().unit, 3);
    EXPECT_EQ(t->present().range_high, 10.0);
    EXPECT_EQ(t->present().trim_high, -150);
    EXPECT_EQ(t->factory_area(), t->present()) << "the broadcast WF stored them";
  }
  EXPECT_EQ(elsewhere.present().unit, 0) << "at 4800 baud it heard nothing";
  EXPECT_EQ(bus.stats().replies, 0u);

  host.Send("AA", "BD1");  // everyone at 9600 moves to 2400, silently
  EXPECT_EQ(host.Collect(100), "");
  EXPECT_EQ(a.baud(), 2400);
  EXPECT_EQ(b.baud(), 2400);
  EXPECT_EQ(elsewhere.baud(), 4800);
}

}  // namespace
