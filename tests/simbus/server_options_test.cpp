#include "simbus/server_options.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "tests/support/manual_page.h"

namespace {

using simbus::ParseServerOptions;

TEST(ServerOptions, BuildsTheGivenPopulationWithItsFaults) {
  const auto parsed = ParseServerOptions(
      {"--transmitter", "03:2400", "--transmitter", "07:9600:1.50", "--fault", "03:badsum,every=10",
       "--fault", "07@9600:late=200,notemp,once=7", "--turnaround", "5", "--link", "/tmp/ttyBUS", "-v"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->link, "/tmp/ttyBUS");
  EXPECT_TRUE(parsed.options->verbose);
  platform::VirtualClock clock;
  std::string error;
  auto bus = simbus::BuildServerBus(*parsed.options, clock, &error);
  ASSERT_TRUE(bus) << error;
  EXPECT_EQ(bus->size(), 2u);
  EXPECT_EQ(bus->turnaround_us(), 5000u);
  EXPECT_TRUE(bus->Find("03", 2400)->faults().bad_checksum);
  EXPECT_EQ(bus->Find("03", 2400)->faults().every, 10u);
  EXPECT_EQ(bus->Find("03", 2400)->version(), "2.00");
  EXPECT_EQ(bus->Find("07", 9600)->faults().late_ms, 200u);
  EXPECT_TRUE(bus->Find("07", 9600)->faults().no_temperature);
  EXPECT_EQ(bus->Find("07", 9600)->faults().only_reply, 7u);
  EXPECT_EQ(bus->Find("07", 9600)->version(), "1.50");
}

TEST(ServerOptions, RefusesWhatItCannotServe) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--transmitter", "1:9600"},
                                             {"--transmitter", "00:9600"},
                                             {"--transmitter", "01:19200"},
                                             {"--transmitter", "01:9600:"},
                                             {"--transmitter"},
                                             {"--fault", "01:explode"},
                                             {"--fault", "01:late=x"},
                                             {"--fault", "01:split=1"},
                                             {"--fault", "01:every=0"},
                                             {"--fault", "01:once=0"},
                                             {"--fault", "01:overflow=?"},
                                             {"--fault", "01@300:silent"},
                                             {"--fault", "silent"},
                                             {"--turnaround", "-3"},
                                             {"--batch", "0810001"},
                                             {"--batch", "0810000x"},
                                             {"--batch", "08100001:stale"},
                                             {"--batch", "08100001:explode"},
                                             {"--device", "/dev/ttyS0", "--link", "/tmp/x"},
                                             {"--bogus"}}) {
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

TEST(ServerOptions, ManualPageDescribesExactlyTheOptionsOfTheUsage) {
  const std::string usage = simbus::ServerUsage();
  std::set<std::string> in_usage;
  const std::regex option("--[a-z]+");
  for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option); it != std::sregex_iterator(); ++it)
    in_usage.insert(it->str());
  EXPECT_EQ(testing_support::ManualPageOptions("simbus"), in_usage);
}

}  // namespace
