#include "platform/serial/serial_port.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_device.h"

namespace {

using platform::PortError;
using platform::SerialPort;
using testing_support::ScriptedDevice;

// A port whose factory hands out scripted devices for port numbers 1..4 and fails otherwise.
struct PortFixture : ::testing::Test {
  platform::VirtualClock clock;
  ScriptedDevice* last_device = nullptr;
  int opens = 0;
  SerialPort port{[this](int n, PortError& error) -> std::unique_ptr<platform::SerialDevice> {
                    if (n > 4) {
                      error = {platform::kErrDeviceUnavailable, "no device /dev/ttyS" + std::to_string(n - 1), ""};
                      return nullptr;
                    }
                    ++opens;
                    auto d = std::make_unique<ScriptedDevice>(clock);
                    last_device = d.get();
                    return d;
                  },
                  "MSCommBsq"};
};

TEST_F(PortFixture, OpensAndClosesTheNumberedPort) {
  EXPECT_FALSE(port.port_open());
  EXPECT_FALSE(port.set_comm_port(3));
  EXPECT_FALSE(port.set_port_open(true));
  EXPECT_TRUE(port.port_open());
  EXPECT_EQ(port.comm_port(), 3);
  EXPECT_FALSE(port.set_port_open(false));
  EXPECT_FALSE(port.port_open());
  EXPECT_FALSE(port.set_port_open(false)) << "closing a closed port is harmless";
}

TEST_F(PortFixture, FailuresCarryNumberDescriptionAndSource) {
  port.set_comm_port(5);
  const auto r = port.set_port_open(true);
  ASSERT_TRUE(r);
  EXPECT_GT(r->number, 8000);
  EXPECT_NE(r->description.find("ttyS4"), std::string::npos);
  EXPECT_EQ(r->source, "MSCommBsq");
  EXPECT_FALSE(port.port_open());

  const auto invalid = port.set_comm_port(0);
  ASSERT_TRUE(invalid);
  EXPECT_EQ(invalid->number, platform::kErrInvalidPortNumber);
}

TEST_F(PortFixture, RefusesADoubleOpenAndANewNumberWhileOpen) {
  port.set_port_open(true);
  EXPECT_EQ(port.set_port_open(true)->number, platform::kErrPortAlreadyOpen);
  EXPECT_EQ(port.set_comm_port(2)->number, platform::kErrPortAlreadyOpen);
  EXPECT_EQ(port.comm_port(), 1);
  EXPECT_EQ(opens, 1);
}

TEST_F(PortFixture, IoOnAClosedPortFailsCleanly) {
  std::string out;
  EXPECT_EQ(port.Write("x")->number, platform::kErrPortNotOpen);
  EXPECT_EQ(port.Read(out)->number, platform::kErrPortNotOpen);
  EXPECT_EQ(port.WaitForInput(100)->number, platform::kErrPortNotOpen);
  EXPECT_EQ(port.DiscardInput()->number, platform::kErrPortNotOpen);
  EXPECT_EQ(clock.now_us(), 0u) << "a closed port never waits";
}

TEST_F(PortFixture, SettingsSurviveCloseAndReopenAndReachTheDevice) {
  EXPECT_EQ(port.settings(), "9600,n,8,1") << "default before the first setting";
  EXPECT_FALSE(port.set_settings("1200,N,8,1"));
  port.set_port_open(true);
  ASSERT_EQ(last_device->configured.size(), 1u);
  EXPECT_EQ(last_device->configured[0].baud, 1200);
  EXPECT_FALSE(port.set_settings("4800,N,8,1"));
  EXPECT_EQ(last_device->configured.back().baud, 4800);
  port.set_port_open(false);
  EXPECT_EQ(port.settings(), "4800,n,8,1");
}

TEST_F(PortFixture, ABadSettingsTextChangesNothing) {
  const auto r = port.set_settings("fast,N,8,1");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->number, platform::kErrInvalidSettings);
  EXPECT_EQ(port.settings(), "9600,n,8,1");
}

TEST_F(PortFixture, AVanishedDeviceFailsEveryOperationWithTheSource) {
  port.set_port_open(true);
  last_device->FailFrom(0);
  std::string out;
  const auto r = port.Read(out);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->source, "MSCommBsq");
  EXPECT_TRUE(port.Write("x"));
  EXPECT_FALSE(port.set_port_open(false)) << "closing a failed device still works";
}

}  // namespace
