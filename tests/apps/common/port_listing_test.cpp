// --list-ports: what a script and a person read, from a machine with a USB adapter (made
// up here) and from the built programs on this machine, which has none.
#include "apps/common/port_listing.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "apps/common/port_tips.h"
#include "platform/ui/window.h"
#include "tests/support/child_process.h"

namespace {

using ::testing::HasSubstr;

const std::string kLink = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";

struct Listing : ::testing::Test {
  platform::MemorySettingsStore store;
  platform::PortMap map{&store, "Halvora"};
  ui::Window window{"Form", ""};
  ui::Control& ports = window.Add({.kind = ui::ControlKind::kList,
                                   .name = "cmbCommPort",
                                   .items = {"com1", "com2", "com3"},
                                   .item_data = {1, 2, 3}});
  platform::FoundDevices devices;

  void SetUp() override {
    platform::FoundDevice usb;
    usb.path = "/dev/ttyUSB0";
    usb.by_id = kLink;
    usb.description = "FT232R USB UART";
    usb.manufacturer = "FTDI";
    usb.serial_number = "A50285BI";
    usb.vid = 0x0403;
    usb.pid = 0x6001;
    platform::FoundDevice builtin;
    builtin.path = "/dev/ttyS0";
    devices = {usb, builtin};
    store.Set("Halvora", "Ports", "COM1", kLink);
    map.Map(2, *platform::ParsePortTarget("sim").target);
  }
  std::string Print(bool json) {
    std::ostringstream out;
    app::PrintPortList(out, devices, map, ports, json);
    return out.str();
  }
};

// The ports' lines and a device without USB ids are checked on the built programs below.
TEST_F(Listing, ScriptsGetAnAdaptersLinkAndUsbIdsAsTexts) {
  EXPECT_EQ(
      Print(true).substr(0, Print(true).find('\n')),
      "{\"device\": \"/dev/ttyUSB0\", \"by_id\": \"" + kLink +
          "\", \"description\": \"FT232R USB UART\", \"manufacturer\": \"FTDI\", \"serial\": \"A50285BI\", "
          "\"vid\": \"0403\", \"pid\": \"6001\"}");
}

TEST_F(Listing, PeopleSeeWhichAdapterAPortReachesAndWhatIsMissing) {
  const std::string table = Print(false);
  EXPECT_THAT(table, HasSubstr("com1  " + kLink +
                               "  (settings)  FT232R USB UART, FTDI, serial A50285BI, USB 0403:6001"));
  EXPECT_THAT(table, HasSubstr("com3  /dev/ttyS2  (default)  not found"));
  EXPECT_THAT(table, HasSubstr("stable name: " + kLink));
  store.Set("Halvora", "Ports", "COM3", "/dev/ttyS2,echo=loud");
  EXPECT_THAT(Print(false),
              HasSubstr("com3  /dev/ttyS2,echo=loud  (settings)  unusable: bad option \"echo=loud\""));
}

TEST_F(Listing, EachPortListItemShowsItsDeviceInItsToolTip) {
  app::ShowDevicesInToolTips(ports, map);
  EXPECT_EQ(ports.items()[0].tool_tip, "com1 → " + kLink);
  EXPECT_EQ(ports.items()[1].tool_tip, "com2 → sim");
  EXPECT_EQ(ports.item_text(0), "com1") << "the items keep their texts";
}

// The built programs on a machine without USB adapters: whatever devices it has, the
// lines keep the contract's shape, and every port of the program's list is told.
TEST(ListPorts, BothProgramsPrintTheContractsLinesAndExitZero) {
  struct Program {
    std::string binary, app;
    int ports;
  };
  const std::regex device_line(
      R"(\{"device": "[^"]+", "by_id": (null|"[^"]+"), "description": ".*", "manufacturer": ".*", )"
      R"("serial": ".*", "vid": (null|"[0-9a-f]{4}"), "pid": (null|"[0-9a-f]{4}")\})");
  for (const Program& p : {Program{DRAVON_BINARY, "Halvora", 6}, Program{PEMLIQ_BINARY, "Pemliq", 4}}) {
    testing_support::TempConfigHome config;
    std::filesystem::create_directories(config.dir() + "/" + p.app);
    std::ofstream(config.dir() + "/" + p.app + "/settings.ini") << "[Ports]\nCOM3=" << kLink << ",echo=off\n";

    const auto run = testing_support::RunProgram(
        p.binary, {"--list-ports", "--headless", "--port", "2=/dev/pts/9,echo=on,rs485"}, "",
        std::chrono::seconds(20), {config.Env()});
    ASSERT_EQ(run.exit_status, 0) << p.binary << run.stderr_text;
    const std::vector<std::string>& out = run.stdout_lines;
    ASSERT_GE(out.size(), static_cast<std::size_t>(p.ports)) << p.binary;
    const std::size_t first_port = out.size() - p.ports;
    for (std::size_t i = 0; i < first_port; ++i) EXPECT_TRUE(std::regex_match(out[i], device_line)) << out[i];
    EXPECT_EQ(out[first_port], R"({"port": 1, "device": "/dev/ttyS0", "options": "", "from": "default"})")
        << p.binary;
    EXPECT_EQ(out[first_port + 1],
              R"({"port": 2, "device": "/dev/pts/9", "options": "echo=on,rs485", "from": "option"})");
    EXPECT_EQ(out[first_port + 2],
              R"({"port": 3, "device": ")" + kLink + R"(", "options": "echo=off", "from": "settings"})");
    EXPECT_EQ(out.back(), "{\"port\": " + std::to_string(p.ports) + ", \"device\": \"/dev/ttyS" +
                              std::to_string(p.ports - 1) + "\", \"options\": \"\", \"from\": \"default\"}");

    const auto table =
        testing_support::RunProgram(p.binary, {"--list-ports"}, "", std::chrono::seconds(20), {config.Env()});
    EXPECT_EQ(table.exit_status, 0);
    EXPECT_EQ(table.stdout_lines.front(), "Serial devices:");
  }
}

}  // namespace
