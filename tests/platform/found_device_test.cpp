#include "platform/serial/found_device.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A /dev of its own: two "ttys" (plain files) and a by-id folder of links as udev makes
// them, relative ("../../ttyUSB0"), one link per adapter.
struct FakeDev : ::testing::Test {
  fs::path root = fs::temp_directory_path() / ("found_device_test_" + std::to_string(getpid()));
  void SetUp() override {
    fs::create_directories(root / "serial" / "by-id");
    for (const char* tty : {"ttyUSB0", "ttyUSB1", "ttyS0"}) std::ofstream(root / tty) << "";
    fs::create_symlink("../../ttyUSB1", root / "serial" / "by-id" / "usb-FTDI_FT232R_A50285BI-if00-port0");
    fs::create_symlink("../../ttyUSB0", root / "serial" / "by-id" / "usb-1a86_USB_Serial-if00-port0");
    fs::create_symlink("../../gone", root / "serial" / "by-id" / "usb-dangling-if00");
  }
  void TearDown() override { fs::remove_all(root); }
  std::string Path(const std::string& name) const { return (root / name).string(); }
};

TEST_F(FakeDev, EachAdapterFindsItsOwnLinkAndOtherDevicesNone) {
  const std::string folder = Path("serial/by-id");
  EXPECT_EQ(platform::StableLinkFor(Path("ttyUSB1"), folder),
            folder + "/usb-FTDI_FT232R_A50285BI-if00-port0");
  EXPECT_EQ(platform::StableLinkFor(Path("ttyUSB0"), folder), folder + "/usb-1a86_USB_Serial-if00-port0");
  EXPECT_EQ(platform::StableLinkFor(Path("ttyS0"), folder), "");
  EXPECT_EQ(platform::StableLinkFor(Path("ttyUSB9"), folder), "") << "a device that is not there";
  EXPECT_EQ(platform::StableLinkFor(Path("ttyUSB0"), Path("no-such-folder")), "") << "no udev";
}

TEST_F(FakeDev, OfSeveralLinksToOneDeviceTheFirstByNameIsChosenWhateverTheFolderLists) {
  const struct {
    std::vector<std::string> links;  // all to ttyUSB0, made in this order
    std::string chosen;
  } cases[] = {
      {{"usb-Z-if00", "usb-A-if00", "usb-M-if00", "usb-Q-if00", "usb-C-if00"}, "usb-A-if00"},
      {{"usb-A-if01", "usb-A-if00"}, "usb-A-if00"},
      {{"usb-A-if00", "usb-B-if00"}, "usb-A-if00"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const fs::path folder = root / ("links" + std::to_string(i));
    fs::create_directories(folder);
    for (const std::string& link : cases[i].links) fs::create_symlink("../ttyUSB0", folder / link);
    EXPECT_EQ(platform::StableLinkFor(Path("ttyUSB0"), folder.string()), (folder / cases[i].chosen).string());
  }
}

TEST_F(FakeDev, AMappingIsAFoundDeviceAFileOfItsOwnOrNothing) {
  platform::FoundDevice usb;
  usb.path = Path("ttyUSB1");
  usb.by_id = Path("serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0");
  const platform::FoundDevices found{usb};
  EXPECT_EQ(platform::LookUp(found, usb.by_id).found, &found[0]);
  EXPECT_EQ(platform::LookUp(found, usb.path).found, &found[0]);
  const platform::DeviceLookup pty =
      platform::LookUp(found, Path("serial/by-id/usb-1a86_USB_Serial-if00-port0"));
  EXPECT_EQ(pty.found, nullptr);
  EXPECT_EQ(pty.target, fs::canonical(Path("ttyUSB0")).string()) << "a link of the user's own, followed";
  EXPECT_EQ(platform::LookUp(found, Path("serial/by-id/usb-dangling-if00")).target, "") << "not plugged in";
}

}  // namespace
