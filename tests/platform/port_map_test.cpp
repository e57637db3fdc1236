#include "platform/serial/port_map.h"

#include <gtest/gtest.h>

#include "platform/program_options.h"
#include "tests/support/scripted_device.h"

namespace {

using platform::ParseProgramOptions;

platform::PortTarget Target(std::string_view text) { return *platform::ParsePortTarget(text).target; }

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
  check({{1, {Target("/dev/ttyS0"), PortSource::kDefault, {}}},
         {2, {Target(link), PortSource::kSettings, {}}},
         {3, {Target("/dev/ttyUSB1"), PortSource::kSettings, {}}},
         {4, {Target("/dev/ttyS3"), PortSource::kDefault, {}}}},
        "settings");
  map.MapEverythingTo(Target("sim"));
  map.Map(2, Target("/dev/pts/7"));
  check(
      {{1, {Target("sim"), PortSource::kSimulate, {}}}, {2, {Target("/dev/pts/7"), PortSource::kOption, {}}}},
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
  map.Map(3, Target("sim"));
  std::vector<std::string> opened;
  auto opener = [&](const char* kind) {
    return [&opened, kind](const platform::PortTarget& target, platform::PortError& error) {
      opened.push_back(std::string(kind) + ":" + target.device);
      error = {platform::kErrDeviceUnavailable, "test", ""};
      return std::unique_ptr<platform::SerialDevice>();
    };
  };
  auto factory = map.MakeFactory({opener("tty"), opener("sim"), {}});
  platform::PortError error;
  factory(3, error);
  factory(1, error);
  EXPECT_EQ(opened, (std::vector<std::string>{"sim:sim", "tty:/dev/ttyS0"}));
}

// Each port's stored text is a whole target; the factory opens it with the opener of its
// kind, refuses what it cannot open before any opener runs, and hears the adapter's echo
// only where the target, or else the program's default, says so.
TEST(PortMap, FactoryOpensEachTargetByItsKindWithItsEcho) {
  struct Case {
    std::string stored;
    platform::EchoMode program_default;
    std::string opened;   // "kind:device", "" when no opener may run
    std::string error;    // part of the failure text, "" when it opens
    bool echo_discarded;  // an echo of the written bytes does not reach the reader
  };
  const Case cases[] = {
      {"/dev/ttyUSB0,rs485=rts-low", platform::EchoMode::kOff, "tty:/dev/ttyUSB0", "", false},
      {"/dev/ttyUSB0", platform::EchoMode::kAuto, "tty:/dev/ttyUSB0", "", true},
      {"/dev/ttyUSB0,echo=off", platform::EchoMode::kAuto, "tty:/dev/ttyUSB0", "", false},
      {"sim,echo=on", platform::EchoMode::kOff, "sim:sim", "", true},
      {"sim,echo=auto", platform::EchoMode::kOff, "sim:sim", "", true},
      {"tcp://10.0.0.5:4001", platform::EchoMode::kOff, "", "此版本不能连接网络端口：tcp://10.0.0.5:4001",
       false},
      {"rfc2217://h:2217", platform::EchoMode::kOff, "", "rfc2217://h:2217", false},
      {"/dev/ttyUSB0,echo=loud", platform::EchoMode::kOff, "", "“/dev/ttyUSB0,echo=loud”无法使用", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    platform::VirtualClock clock;
    platform::MemorySettingsStore store;
    store.Set("Halvora", "Ports", "COM1", c.stored);
    platform::PortMap map(&store, "Halvora");
    map.set_default_echo(c.program_default);
    std::string opened;
    testing_support::ScriptedDevice* scripted = nullptr;
    auto opener = [&](const char* kind) {
      return [&, kind](const platform::PortTarget& target, platform::PortError&) {
        opened = std::string(kind) + ":" + target.device;
        auto device = std::make_unique<testing_support::ScriptedDevice>(clock);
        scripted = device.get();
        return std::unique_ptr<platform::SerialDevice>(std::move(device));
      };
    };
    platform::PortError error;
    std::unique_ptr<platform::SerialDevice> device =
        map.MakeFactory({opener("tty"), opener("sim"), {}})(1, error);
    EXPECT_EQ(opened, c.opened);
    if (!c.error.empty()) {
      EXPECT_FALSE(device);
      EXPECT_NE(error.description.find(c.error), std::string::npos) << error.description;
      continue;
    }
    ASSERT_TRUE(device);
    scripted->ReplyToNextWrite(1, "$01AD\r*01OK\r");
    ASSERT_FALSE(device->Write("$01AD\r"));
    ASSERT_FALSE(device->WaitForInput(5));
    std::string read;
    ASSERT_FALSE(device->Read(read));
    EXPECT_EQ(read, c.echo_discarded ? "*01OK\r" : "$01AD\r*01OK\r");
  }
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

TEST(ProgramOptions, APortTargetThatCannotBeReadIsRefusedWithWhatIsWrong) {
  const std::pair<const char*, const char*> cases[] = {
      {"1=/dev/ttyUSB0,echo=maybe", "--port 1=/dev/ttyUSB0,echo=maybe: bad option \"echo=maybe\""},
      {"2=tcp://10.0.0.5", "--port 2=tcp://10.0.0.5: \"tcp://10.0.0.5\" has no port number"},
      {"3=/dev/ttyS0,flow=rts", "unknown option \"flow=rts\""},
  };
  for (const auto& [value, message] : cases) {
    const auto o = ParseProgramOptions({"--port", value});
    EXPECT_NE(o.error.find(message), std::string::npos) << o.error;
    EXPECT_TRUE(o.ports.empty()) << "nothing is mapped";
  }
  const auto o = ParseProgramOptions({"--port", "2=/dev/ttyUSB0,echo=on,rs485"});
  platform::PortMap map(nullptr, "Halvora");
  o.ApplyTo(map);
  EXPECT_EQ(map.Resolve(2).target.ToText(), "/dev/ttyUSB0,echo=on,rs485");
  EXPECT_EQ(map.Resolve(2).from, platform::PortSource::kOption);
}

}  // namespace
