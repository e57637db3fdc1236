// The demo population as Dravon finds and reads it: a whole bus search and a full
// parameter read through the transaction engine, on virtual time.

#include "simbus/demo_bus.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/simbus/sim_fixture.h"

namespace {

struct DemoBus : ::testing::Test {
  platform::VirtualClock clock;
  std::unique_ptr<simbus::Bus> bus = simbus::MakeDemoBus(clock);
  platform::SerialPort port{
      [this](int, platform::PortError&) { return std::make_unique<simbus::SimDevice>(*bus); }, "MSCommBsq"};
  protocol::Transaction link{port, clock};
  void SetUp() override { ASSERT_FALSE(port.set_port_open(true)); }
};

TEST_F(DemoBus, ABusSearchFindsEveryTransmitterAtItsRateInSearchOrder) {
  // The bus search: 9600 down to 1200, addresses 01 to 99, "AD" with an exact match.
  const char* bands[] = {"1200", "2400", "4800", "9600"};
  std::vector<std::pair<std::string, int>> found;
  const std::uint64_t start = clock.now_us();
  for (int b = 3; b >= 0; --b) {
    ASSERT_FALSE(port.set_settings(std::string(bands[b]) + ",N,8,1"));
    for (int n = 1; n <= 99; ++n) {
      char addr[3];
      std::snprintf(addr, sizeof addr, "%02d", n);
      if (protocol::ExactMatch(link.Comm_Send(addr, "AD"), addr, addr)) found.emplace_back(addr, b);
    }
  }
  const std::vector<std::pair<std::string, int>> expected = {{"01", 3}, {"05", 2}, {"12", 0}};
  EXPECT_EQ(found, expected);
  // 396 probes, nearly all of them waiting out the time-out: about 94 s of bus time.
  const std::uint64_t elapsed_ms = (clock.now_us() - start) / 1000;
  EXPECT_LE(elapsed_ms, 99u * (100 + 150 + 250 + 450));
  EXPECT_GE(elapsed_ms, 98u * (100 + 150 + 250 + 450));
}

TEST_F(DemoBus, EveryTransmitterAnswersAFullParameterRead) {
  const struct {
    const char* addr;
    const char* settings;
    const char* version;
  } population[] = {{"01", "9600,N,8,1", "2.00"}, {"05", "4800,N,8,1", "1.50"}, {"12", "1200,N,8,1", "2.10"}};
  for (const auto& p : population) {
    ASSERT_FALSE(port.set_settings(p.settings));
    EXPECT_EQ(protocol::ValueCut(link.Comm_Send(p.addr, "VR")), p.version);
    // The commands of the full parameter read, in its order.
    for (const char* comm :
         {"TY", "OL", "OH", "SL", "SH", "FU", "DL", "DH", "UT", "ID", "DP", "ZF", "FF", "RP0", "RT0"}) {
      const std::string result = link.Comm_Send(p.addr, comm);
      EXPECT_EQ(result.substr(0, 3), std::string("*") + p.addr) << p.addr << " " << comm << ": " << result;
      EXPECT_GT(result.size(), 4u) << p.addr << " " << comm;
    }
    EXPECT_GT(link.Comm_Send(p.addr, "RP0").size(), 8u);
  }
  ASSERT_FALSE(port.set_settings("4800,N,8,1"));
  EXPECT_EQ(protocol::ValueCut(link.Comm_Send("05", "UT")), "3");
  EXPECT_EQ(protocol::ValueCut(link.Comm_Send("05", "DH")), "+10.00");
  EXPECT_EQ(protocol::ValueCut(link.Comm_Send("05", "FF")), "-0150");
}

}  // namespace
