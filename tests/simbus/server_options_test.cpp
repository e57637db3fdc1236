#include "simbus/server_options.h"

#include <gtest/gtest.h>

namespace {

using simbus::ParseServerOptions;

TEST(ServerOptions, ParsesPopulationFaultsAndEndpoints) {
  const auto parsed = ParseServerOptions({"--transmitter", "03:2400", "--transmitter", "07:9600:1.50",
                                          "--fault", "03:badsum,every=10", "--fault", "07@9600:late=200",
                                          "--turnaround", "5", "--link", "/tmp/ttyBUS", "-v"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const simbus::ServerOptions& o = *parsed.options;
  ASSERT_EQ(o.transmitters.size(), 2u);
  EXPECT_EQ(o.transmitters[1].address, "07");
  EXPECT_EQ(o.transmitters[1].baud, 9600);
  EXPECT_EQ(o.transmitters[1].version, "1.50");
  EXPECT_EQ(o.transmitters[0].version, "2.00");
  ASSERT_EQ(o.faults.size(), 2u);
  EXPECT_EQ(o.faults[1].baud, 9600);
  EXPECT_EQ(o.turnaround_ms, 5u);
  EXPECT_EQ(o.link, "/tmp/ttyBUS");
  EXPECT_TRUE(o.verbose);

  platform::VirtualClock clock;
  std::string error;
  auto bus = simbus::BuildServerBus(o, clock, &error);
  ASSERT_TRUE(bus) << error;
  EXPECT_EQ(bus->turnaround_us(), 5000u);
  EXPECT_TRUE(bus->Find("03", 2400)->faults().bad_checksum);
  EXPECT_EQ(bus->Find("03", 2400)->faults().every, 10u);
  EXPECT_EQ(bus->Find("07", 9600)->faults().late_ms, 200u);
  EXPECT_EQ(bus->Find("07", 9600)->version(), "1.50");
}

TEST(ServerOptions, NoTransmitterGivenMeansTheDemoBus) {
  const auto parsed = ParseServerOptions({"--fault", "05:split=3,gap=7,overflow=-"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  platform::VirtualClock clock;
  auto bus = simbus::BuildServerBus(*parsed.options, clock, nullptr);
  ASSERT_TRUE(bus);
  EXPECT_EQ(bus->size(), 3u);
  const simbus::Faults& f = bus->Find("05")->faults();
  EXPECT_EQ(f.split_pieces, 3);
  EXPECT_EQ(f.split_gap_ms, 7u);
  EXPECT_EQ(f.overflow, simbus::Overflow::kNegative);
}

TEST(ServerOptions, RefusesWhatItCannotServe) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--transmitter", "1:9600"},
           {"--transmitter", "00:9600"},
           {"--transmitter", "01:19200"},
           {"--transmitter", "01:9600:"},
           {"--transmitter"},
           {"--fault", "01:explode"},
           {"--fault", "01:late=x"},
           {"--fault", "01:split=1"},
           {"--fault", "01:every=0"},
           {"--fault", "01:overflow=?"},
           {"--fault", "01@300:silent"},
           {"--fault", "silent"},
           {"--turnaround", "-3"},
           {"--device", "/dev/ttyS0", "--link", "/tmp/x"},
           {"--bogus"},
       }) {
    const auto parsed = ParseServerOptions(args);
    EXPECT_FALSE(parsed.options) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    EXPECT_FALSE(parsed.error.empty());
  }
  const auto orphan = ParseServerOptions({"--transmitter", "01:9600", "--fault", "02:silent"});
  ASSERT_TRUE(orphan.options);
  platform::VirtualClock clock;
  std::string error;
  EXPECT_FALSE(simbus::BuildServerBus(*orphan.options, clock, &error));
  EXPECT_NE(error.find("02"), std::string::npos);
}

}  // namespace
