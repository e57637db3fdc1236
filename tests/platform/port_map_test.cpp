#include "platform/serial/port_map.h"

#include <gtest/gtest.h>

#include "platform/program_options.h"

namespace {

using platform::ParseProgramOptions;

TEST(PortMap, OptionBeatsSimulateBeatsSettingsBeatsDefault) {
  using platform::PortSource;
  const std::string link = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
  platform::MemorySettingsStore store;
  store.Set("Halvora", "Ports", "COM2", link);
  store.Set("Halvora", "Ports", "COM3", " /dev/ttyUSB1 ");  // edited by hand
  store.Set("Halvora", "Ports", "COM4", "  ");
  platform::PortMap map(&store, "Halvora");
  struct Case {
    int port;
    platform::PortAssignment expected;
  };
  auto check = [&map](const std::vector<Case>& cases, const char* stage) {
    for (const Case& c : cases) EXPECT_EQ(map.Resolve(c.port), c.expected) << stage << ": port " << c.port;
  };
  check({{1, {"/dev/ttyS0", PortSource::kDefault}},
         {2, {link, PortSource::kSettings}},
         {3, {"/dev/ttyUSB1", PortSource::kSettings}},
         {4, {"/dev/ttyS3", PortSource::kDefault}}},
        "settings");
  map.MapEverythingTo("sim");
  map.Map(2, "/dev/pts/7");
  check({{1, {"sim", PortSource::kSimulate}}, {2, {"/dev/pts/7", PortSource::kOption}}},
        "--simulate, --port");
  EXPECT_EQ(PortSourceName(PortSource::kOption), "option");
  EXPECT_EQ(PortSourceName(PortSource::kSimulate), "simulate");
  EXPECT_EQ(PortSourceName(PortSource::kSettings), "settings");
  EXPECT_EQ(PortSourceName(PortSource::kDefault), "default");
}

TEST(PortMap, AStoredMappingHoldsFromTheNextOpenAndAnEmptyOneRestoresTheDefault) {
  platform::MemorySettingsStore store;
  platform::PortMap map(&store, "Pemliq");
  ASSERT_TRUE(map.Store(1, "/dev/serial/by-id/usb-x"));
  EXPECT_EQ(store.Get("Pemliq", "Ports", "COM1"), "/dev/serial/by-id/usb-x") << "the key --port overrides";
  EXPECT_EQ(map.DeviceFor(1), "/dev/serial/by-id/usb-x");
  ASSERT_TRUE(map.Store(1, ""));
  EXPECT_EQ(map.Resolve(1).from, platform::PortSource::kDefault);
  EXPECT_FALSE(platform::PortMap(nullptr, "Pemliq").Store(1, "/dev/ttyUSB0")) << "no store, nothing kept";
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
      {"--headless", "--simulate", "--port", "3=/dev/pts/4", "--port=1=sim", "--lang", "en", "--list-ports"});
  EXPECT_TRUE(o.error.empty());
  EXPECT_EQ(o.language, "en");
  EXPECT_TRUE(o.headless);
  EXPECT_TRUE(o.simulate);
  EXPECT_TRUE(o.list_ports);
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
