// Each injected fault, seen on the raw line and through the reply check.

#include <gtest/gtest.h>

#include "tests/simbus/sim_fixture.h"

namespace {

using C = simbus::FaultCounters;
using simbus::Overflow;
using simbus_test::At;
using simbus_test::RawHost;

struct Faults : simbus_test::SimBusFixture {
  simbus::Transmitter& t = bus.Add(At("01", 9600));
  RawHost host{bus};
  void SetUp() override { Open(9600); }
};

TEST_F(Faults, EachKindShowsOnTheLineAndInTheReplyCheck) {
  const std::string vr = "*012.00\r", bad(protocol::kResultBadFrame), none(protocol::kResultNoReply),
                    over = "*01+@OVER\r", under = "*01-@OVER\r";
  const struct {
    const char* name;
    simbus::Faults faults;
    const char* comm;
    const char* raw;  // exact raw bytes within a second, when fixed
    std::string raw_check;
    std::string engine;  // what Dravon's transaction returns
    std::uint64_t C::*counter;
  } rows[] = {
      {"none", {}, "VR", "*012.001D\r", vr, vr, &C::faulted},
      {"silent", {.silent = true}, "VR", "", none, none, &C::silent},
      {"late", {.late_ms = 150}, "VR", "*012.001D\r", vr, none, &C::late},
      {"bad checksum", {.bad_checksum = true}, "VR", nullptr, bad, bad, &C::bad_checksum},
      {"lower case", {.lower_case_checksum = true}, "VR", "*012.001d\r", bad, bad, &C::lower_case_checksum},
      {"noise", {.noise_before = "~#"}, "VR", "~#*012.001D\r", bad, bad, &C::noise},
      {"trailing", {.trailing = "#"}, "VR", "*012.001D\r#", bad, vr, &C::trailing},
      {"split in time", {.split_pieces = 3, .split_gap_ms = 20}, "VR", "*012.001D\r", vr, vr, &C::split},
      {"split too slow", {.split_pieces = 2, .split_gap_ms = 100}, "VR", "*012.001D\r", vr, none, &C::split},
      {"overflow +", {.overflow = Overflow::kPositive}, "RP0", nullptr, over, over, &C::overflow},
      {"overflow -", {.overflow = Overflow::kNegative}, "RP0", nullptr, under, under, &C::overflow},
      {"no temperature", {.no_temperature = true}, "RT0", "*0101\r", "*01\r", "*01\r", &C::no_temperature}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    t.faults() = row.faults;
    t.reset_fault_counters();
    host.Send("01", row.comm);
    const std::string raw = host.Collect(1000);
    if (row.raw) {
      EXPECT_EQ(raw, row.raw);
    }
    EXPECT_EQ(protocol::CheckReply(raw), row.raw_check);
    EXPECT_EQ(Send("01", row.comm), row.engine);
    host.Collect(1000);  // whatever the engine left on the line
    EXPECT_EQ(t.fault_counters().*row.counter, row.faults.AnyKind() ? 2u : 0u);
  }
}

TEST_F(Faults, SilenceStillAppliesAndOverflowLeavesTemperatureAlone) {
  t.faults() = {.silent = true};
  EXPECT_EQ(Send("01", "UT4"), protocol::kResultNoReply);
  EXPECT_EQ(t.present().unit, 4);
  t.faults() = {.overflow = Overflow::kPositive};
  EXPECT_NE(Value("01", "RT0").find('.'), std::string::npos);
}

TEST_F(Faults, EveryNthReplyFailsForSoakTests) {
  t.faults() = {.bad_checksum = true, .every = 4};
  int bad = 0;
  for (int i = 0; i < 20; ++i) bad += Send("01", "AD") == protocol::kResultBadFrame;
  EXPECT_EQ(bad, 5);
  t.faults() = {.every = 3};  // no kind chosen: those replies are silent
  int silent = 0;
  for (int i = 0; i < 9; ++i) silent += Send("01", "AD") == protocol::kResultNoReply;
  EXPECT_EQ(silent, 3);
}

TEST_F(Faults, OneChosenReplyIsLostAndTheTransmitterRecordsWhatChangedIt) {
  t.faults() = {.only_reply = 2};
  const std::string none(protocol::kResultNoReply);
  EXPECT_EQ(Send("01", "UT4"), "*014\r");
  EXPECT_EQ(Send("01", "UT"), none) << "the second reply alone is lost";
  EXPECT_EQ(Send("01", "UT4"), "*014\r") << "the same unit again: no change";
  Send("AA", "DP3");
  EXPECT_EQ(Send("01", "AD07"), "*0707\r");
  EXPECT_EQ(t.heard(), (std::deque<simbus::HeardCommand>{{"UT4", false, true},
                                                         {"UT", false, false},
                                                         {"UT4", false, false},
                                                         {"DP3", true, true},
                                                         {"AD07", false, true}}));
  EXPECT_EQ(t.fault_counters().silent, 1u);
}

}  // namespace
