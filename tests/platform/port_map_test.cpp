#include "platform/serial/port_map.h"

#include <gtest/gtest.h>

#include "platform/program_options.h"

namespace {

using platform::ParseProgramOptions;

TEST(PortMap, RunMappingBeatsStoreBeatsSystemDevice) {
  platform::MemorySettingsStore store;
  store.Set("Halvora", "Ports", "COM2", "/dev/ttyUSB0");
  platform::PortMap map(&store, "Halvora");
  EXPECT_EQ(map.DeviceFor(1), "/dev/ttyS0");
  EXPECT_EQ(map.DeviceFor(2), "/dev/ttyUSB0");
  map.Map(2, "/dev/pts/7");
  EXPECT_EQ(map.DeviceFor(2), "/dev/pts/7");
  map.MapEverythingTo("sim");
  EXPECT_EQ(map.DeviceFor(5), "sim");
  EXPECT_EQ(map.DeviceFor(2), "/dev/pts/7") << "an explicit --port wins over --simulate";
}

TEST(PortMap, FactoryOpensSimOrTtyByName) {
  platform::PortMap map(nullptr, "Halvora");
  map.Map(3, "sim");
  std::vector<std::string> opened;
  auto opener = [&](const char* kind) {
    return [&opened, kind](const std::string& device, platform::PortError& error) {
      opened.push_back(std::string(kind) + ":" + device);
      error = {platform::kErrDeviceUnavailable, "test", ""};
      return std::unique_ptr<platform::SerialDevice>();
    };
  };
  auto factory = map.MakeFactory(opener("tty"), opener("sim"));
  platform::PortError error;
  factory(3, error);
  factory(1, error);
  EXPECT_EQ(opened, (std::vector<std::string>{"sim:sim", "tty:/dev/ttyS0"}));
}

TEST(ProgramOptions, ReadsTheSharedCommandLine) {
  const auto o = ParseProgramOptions(
      {"--headless", "--simulate", "--port", "3=/dev/pts/4", "--port=1=sim", "--lang", "en"});
  EXPECT_TRUE(o.error.empty());
  EXPECT_EQ(o.language, "en");
  EXPECT_TRUE(o.headless);
  EXPECT_TRUE(o.simulate);
  EXPECT_EQ(o.ports.at(3), "/dev/pts/4");
  EXPECT_EQ(o.ports.at(1), "sim");
  const auto files = ParseProgramOptions({"--profile", "p.ini", "--report", "r.csv"});
  EXPECT_EQ(files.files, (std::map<std::string, std::string>{{"profile", "p.ini"}, {"report", "r.csv"}}));
}

TEST(ProgramOptions, UnusableOptionsAreReportedNotGuessed) {
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{{"--port"},
                                                                             {"--port", "x=/dev/a"},
                                                                             {"--port", "0=/dev/a"},
                                                                             {"--port", "3="},
                                                                             {"--port", "=sim"},
                                                                             {"--frobnicate"},
                                                                             {"--lang"},
                                                                             {"--lang", "fr"},
                                                                             {"--profile"},
                                                                             {"--report"}}) {
    EXPECT_FALSE(ParseProgramOptions(args).error.empty()) << args.back();
  }
}

}  // namespace
