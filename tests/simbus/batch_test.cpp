// A batch on the bus: one new transmitter at a time at 01, the next one plugged in at the
// second probe of 01 since the last came.
#include "simbus/batch.h"

#include <gtest/gtest.h>

#include "tests/simbus/sim_fixture.h"

namespace {

using simbus_test::SimBusFixture;

TEST_F(SimBusFixture, ABatchComesOneTransmitterAtATimeAtTheSecondProbe) {
  simbus::ConnectOneAfterAnother(bus, {{"08100001", ""}, {"08100002", "stale=DH"}});
  Open(9600);
  const struct {
    const char* address;
    const char* command;
    const char* value;  // the reply's value; nullptr: no reply
  } steps[] = {
      {"01", "AD", "01"},                               // the first probe: the first one answers
      {"01", "ID", "08100001"},                         // reads are no probes
      {"01", "AD02", "02"},                             // it moves on
      {"02", "ID", "08100001"}, {"01", "AD", "01"},     // the second probe: the next one answers it ...
      {"02", "ID", nullptr},                            // ... and the first is gone
      {"01", "ID", "08100002"}, {"01", "AD", nullptr},  // the list is used up
  };
  for (const auto& s : steps) {
    if (s.value) {
      EXPECT_EQ(Value(s.address, s.command), s.value) << s.address << s.command;
    } else {
      EXPECT_EQ(Send(s.address, s.command), protocol::kResultNoReply) << s.address << s.command;
    }
  }
  ASSERT_EQ(bus.size(), 2u);
  EXPECT_EQ(bus.transmitter(1).faults().stale_echo_of, "DH");
}

}  // namespace
