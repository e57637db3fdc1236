// The port-mapping window: what it offers, what OK stores and reports, what Cancel leaves.
#include "gui/port_mapping_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

namespace gui {
namespace {

const std::string kLink = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";

struct PortMappingDialogTest : ::testing::Test {
  platform::MemorySettingsStore store;
  platform::PortMap map{&store, "Pemliq"};
  QMainWindow main;
  std::vector<std::vector<int>> remapped;
  int searches = 0;
  ToolItem tool =
      PortMappingTool({.map = &map,
                       .port_names = {"Com1", "Com2", "Com3", "Com4"},
                       .find_devices = [this] { return Devices(); },
                       .on_remapped = [this](const std::vector<int>& r) { remapped.push_back(r); }});

  platform::FoundDevices Devices() {
    ++searches;
    platform::FoundDevice usb;
    usb.path = "/dev/ttyUSB0";
    usb.by_id = kLink;
    usb.description = "FT232R USB UART";
    return {usb};
  }
  QDialog* Open() {
    tool.open(main);
    return main.findChild<QDialog*>("portMappingDialog");
  }
  QComboBox* Port(int n) { return main.findChild<QComboBox*>(QString("port%1").arg(n)); }
  void Press(const char* button) { main.findChild<QPushButton*>(button)->click(); }
};

TEST_F(PortMappingDialogTest, AChosenAdapterIsStoredByItsStableLinkAndReported) {
  map.Map(3, *platform::ParsePortTarget("sim").target);  // --port 3=sim for this run
  QDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(tool.name, "portMapping");
  ASSERT_EQ(Port(2)->count(), 1);
  EXPECT_EQ(Port(2)->model()->index(0, 1).data().toString(), "FT232R USB UART") << "listed with what it is";
  Port(2)->setCurrentIndex(0);
  EXPECT_EQ(Port(2)->currentText().toStdString(), kLink);
  Port(3)->setEditText("/dev/ttyACM0");
  Port(4)->setEditText("/dev/ttyUSB0");  // the adapter, typed by its path
  Press("ok");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(store.Get("Pemliq", "Ports", "COM2"), kLink);
  EXPECT_EQ(store.Get("Pemliq", "Ports", "COM3"), "/dev/ttyACM0") << "stored for the next run";
  EXPECT_EQ(store.Get("Pemliq", "Ports", "COM4"), kLink);
  ASSERT_EQ(remapped.size(), 1u);
  EXPECT_EQ(remapped[0], (std::vector<int>{2, 4})) << "port 3 stays sim in this run: no change to report";
  EXPECT_EQ(store.Get("Pemliq", "Ports", "COM1", "absent"), "absent") << "untouched ports store nothing";
}

TEST_F(PortMappingDialogTest, CancelStoresNothingAndTheNextOpenShowsWhatIsStoredAndFindsDevicesAgain) {
  store.Set("Pemliq", "Ports", "COM1", "/dev/ttyUSB0");
  Open();
  EXPECT_EQ(Port(1)->currentText(), "/dev/ttyUSB0");
  Port(1)->setEditText("");
  Press("cancel");
  EXPECT_EQ(store.Get("Pemliq", "Ports", "COM1"), "/dev/ttyUSB0");
  const int searched = searches;
  Press("refresh");
  EXPECT_EQ(searches, searched + 1) << "a device plugged in meanwhile shows up";
  Open();
  EXPECT_EQ(Port(1)->currentText(), "/dev/ttyUSB0") << "the cancelled edit is gone";
  Port(1)->setEditText("");
  Press("ok");
  EXPECT_EQ(map.Resolve(1).from, platform::PortSource::kDefault) << "an empty entry means the system's port";
  EXPECT_EQ(remapped, (std::vector<std::vector<int>>{{1}}));
  EXPECT_EQ(main.findChildren<QDialog*>().size(), 1) << "one window, raised again";
}

// Each row's choices become the stored target's options, read back on the next open; a
// row whose target does not read stores nothing and says why in the window.
TEST_F(PortMappingDialogTest, TheChosenOptionsAreStoredWithTheDeviceAndAnUnreadableTargetIsRefused) {
  struct Case {
    std::string device;
    int echo, rs485;
    std::string baud;
    std::string stored;  // "" when refused
    std::string said;    // part of the row's text when refused
  };
  const Case cases[] = {
      {"/dev/ttyS4", 2, 1, "", "/dev/ttyS4,echo=on,rs485", ""},
      {"/dev/ttyS4", 3, 2, "", "/dev/ttyS4,echo=off,rs485=rts-low", ""},
      {"tcp://10.0.0.5:4001", 1, 1, "4800", "tcp://10.0.0.5:4001,echo=auto,baud=4800", ""},
      {"rfc2217://10.0.0.5:2217", 0, 1, "4800", "rfc2217://10.0.0.5:2217", ""},
      {"tcp://10.0.0.5", 0, 0, "", "", "no port number"},
      {"tcp://10.0.0.5:4001", 0, 0, "fast", "", "baud=N"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.device + " " + c.baud);
    store.Set("Pemliq", "Ports", "COM1", "/dev/ttyUSB0");
    QDialog* dialog = Open();
    Port(1)->setEditText(QString::fromStdString(c.device));
    main.findChild<QComboBox*>("echo1")->setCurrentIndex(c.echo);
    main.findChild<QComboBox*>("rs485_1")->setCurrentIndex(c.rs485);
    main.findChild<QLineEdit*>("baud1")->setText(QString::fromStdString(c.baud));
    Press("ok");
    if (c.stored.empty()) {
      EXPECT_TRUE(dialog->isVisible()) << "the window stays open";
      EXPECT_EQ(store.Get("Pemliq", "Ports", "COM1"), "/dev/ttyUSB0") << "nothing stored";
      QString shown;
      for (QLabel* label : dialog->findChildren<QLabel*>()) shown += label->text() + "\n";
      EXPECT_TRUE(shown.contains(QString::fromStdString(c.said))) << shown.toStdString();
      Press("cancel");
      continue;
    }
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(store.Get("Pemliq", "Ports", "COM1"), c.stored);
    Open();
    EXPECT_EQ(Port(1)->currentText().toStdString(), c.device) << "the device alone in its field";
    EXPECT_EQ(main.findChild<QComboBox*>("echo1")->currentIndex(), c.echo);
    Press("cancel");
  }
}

}  // namespace
}  // namespace gui
