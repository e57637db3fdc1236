// Each injected fault, seen on the raw line and through the reply check.

#include <gtest/gtest.h>

#include "simbus/value_format.h"
#include "tests/simbus/sim_fixture.h"

namespace {

using simbus::Bus;
using simbus::Overflow;
using simbus_test::At;
using simbus_test::RawHost;

struct Faults : ::testing::Test {
  platform::VirtualClock clock;
  Bus bus{clock};
  simbus::Transmitter& t = bus.Add(At("01", 9600));
  RawHost host{bus};

  // What arrives for `comm` within `wait_ms`.
  std::string Raw(const char* comm, std::uint32_t wait_ms = 200) {
    host.Send("01", comm);
    return host.Collect(wait_ms);
  }
};

TEST_F(Faults, ACleanReplyPassesTheCheck) {
  const std::string raw = Raw("VR");
  EXPECT_EQ(raw, "*012.001D\r");
  EXPECT_EQ(protocol::CheckReply(raw), "*012.00\r");
  EXPECT_EQ(t.fault_counters().replies, 1u);
  EXPECT_EQ(t.fault_counters().faulted, 0u);
}

TEST_F(Faults, SilentHearsAndAppliesButNeverAnswers) {
  t.faults() = {.silent = true};
  EXPECT_EQ(Raw("UT4"), "");
  EXPECT_EQ(t.present().unit, 4);
  EXPECT_EQ(t.fault_counters().silent, 1u);
}

TEST_F(Faults, ALateReplyArrivesAfterTheExtraDelay) {
  t.faults() = {.late_ms = 200};
  const std::uint64_t start = clock.now_us();
  host.Send("01", "AD");
  host.device.WaitForInput(1000);
  EXPECT_EQ(clock.now_us() - start, 9 * Bus::ByteTimeUs(9600) + 3000 + 200000);
  EXPECT_EQ(protocol::CheckReply(host.Collect(100)), "*0101\r");
  EXPECT_EQ(t.fault_counters().late, 1u);
}

TEST_F(Faults, DamagedFramesFailTheCheck) {
  t.faults() = {.bad_checksum = true};
  const std::string bad = Raw("VR");
  EXPECT_EQ(bad.size(), 10u);
  EXPECT_NE(bad, "*012.001D\r");
  EXPECT_EQ(protocol::CheckReply(bad), protocol::kResultBadFrame);

  t.faults() = {.lower_case_checksum = true};
  EXPECT_EQ(Raw("VR"), "*012.001d\r");
  EXPECT_EQ(protocol::CheckReply("*012.001d\r"), protocol::kResultBadFrame);
  EXPECT_EQ(Raw("AD"), "*010100\r") << "a checksum without letters cannot be lowered";

  t.faults() = {.noise_before = "~#"};
  const std::string noisy = Raw("VR");
  EXPECT_EQ(noisy, "~#*012.001D\r");
  EXPECT_EQ(protocol::CheckReply(noisy), protocol::kResultBadFrame);

  t.faults() = {.trailing = "#"};
  const std::string trailing = Raw("VR");
  EXPECT_EQ(trailing, "*012.001D\r#");
  EXPECT_EQ(protocol::CheckReply(trailing), protocol::kResultBadFrame);

  const simbus::FaultCounters& c = t.fault_counters();
  EXPECT_EQ(c.bad_checksum, 1u);
  EXPECT_EQ(c.lower_case_checksum, 1u);
  EXPECT_EQ(c.noise, 1u);
  EXPECT_EQ(c.trailing, 1u);
  EXPECT_EQ(c.faulted, 5u);
}

TEST_F(Faults, ASplitReplyComesInPiecesWithGapsAndIsJoinedByTheEngine) {
  t.faults() = {.split_pieces = 3, .split_gap_ms = 20};
  host.Send("01", "VR");  // "*012.001D" CR: pieces of 3, 3 and 4 bytes
  std::vector<std::pair<std::string, std::uint64_t>> chunks;
  while (chunks.size() < 20) {
    host.device.WaitForInput(100);
    std::string got;
    host.device.Read(got);
    if (got.empty()) break;
    if (!chunks.empty() && clock.now_us() - chunks.back().second <= Bus::ByteTimeUs(9600)) {
      chunks.back().first += got;  // the same piece, byte by byte
      chunks.back().second = clock.now_us();
    } else {
      chunks.push_back({got, clock.now_us()});
    }
  }
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].first, "*01");
  EXPECT_EQ(chunks[1].first, "2.0");
  EXPECT_EQ(chunks[2].first, "01D\r");

  platform::SerialPort port(
      [&](int, platform::PortError&) { return std::make_unique<simbus::SimDevice>(bus); }, "p");
  ASSERT_FALSE(port.set_port_open(true));
  protocol::Transaction link(port, clock);
  EXPECT_EQ(link.Comm_Send("01", "VR"), "*012.00\r") << "40 ms of gaps fit in the 100 ms time-out";
  t.faults() = {.split_pieces = 2, .split_gap_ms = 100};
  EXPECT_EQ(link.Comm_Send("01", "VR"), protocol::kResultNoReply) << "only the first piece in time";
  EXPECT_EQ(t.fault_counters().split, 3u);
}

TEST_F(Faults, OverflowMarksReplaceThePressureInAValidFrame) {
  t.faults() = {.overflow = Overflow::kPositive};
  EXPECT_EQ(protocol::CheckReply(Raw("RP0")), "*01+@OVER\r");
  t.faults() = {.overflow = Overflow::kNegative};
  EXPECT_EQ(protocol::CheckReply(Raw("RP0")), "*01-@OVER\r");
  const std::uint64_t heard_at = clock.now_us() + 9 * Bus::ByteTimeUs(9600);
  EXPECT_EQ(protocol::CheckReply(Raw("RT0")),
            "*01" + simbus::FormatTemperature(t.TemperatureAt(heard_at)) + "\r")
      << "only pressure overflows";
  EXPECT_EQ(t.fault_counters().overflow, 2u);
}

TEST_F(Faults, EveryNthReplyFailsForSoakTests) {
  t.faults() = {.bad_checksum = true, .every = 4};
  int bad = 0;
  for (int i = 0; i < 20; ++i) bad += protocol::CheckReply(Raw("AD")) == protocol::kResultBadFrame;
  EXPECT_EQ(bad, 5);
  EXPECT_EQ(t.fault_counters().replies, 20u);
  EXPECT_EQ(t.fault_counters().faulted, 5u);
  EXPECT_EQ(t.fault_counters().bad_checksum, 5u);

  t.reset_fault_counters();
  t.faults() = {.every = 3};  // no kind chosen: those replies are silent
  int silent = 0;
  for (int i = 0; i < 9; ++i) silent += Raw("AD").empty();
  EXPECT_EQ(silent, 3);
  EXPECT_EQ(t.fault_counters().silent, 3u);
}

}  // namespace
