// The network port device against a loopback server run by the test: what it sends and
// reads, what it says when the server cannot be reached or drops the connection, and
// how line settings become what RFC 2217 carries.
#include "platform/serial_net/network_device.h"

#include <gtest/gtest.h>

#include "platform/serial/port_error.h"
#include "tests/platform/serial_net/loopback_server.h"

namespace {

using platform::DeviceKind;
using platform::LineSettings;
using platform::OpenNetworkDevice;
using platform::PortError;
using platform::PortTarget;
using platform::RemoteLine;
using testing_support::LoopbackServer;

PortTarget Target(DeviceKind kind, int port, std::optional<int> baud = std::nullopt) {
  PortTarget t;
  t.kind = kind;
  t.host = "127.0.0.1";
  t.tcp_port = port;
  t.device =
      std::string(kind == DeviceKind::kTcp ? "tcp://" : "rfc2217://") + "127.0.0.1:" + std::to_string(port);
  t.fixed_baud = baud;
  return t;
}

TEST(NetworkLine, LineSettingsBecomeWhatTheServerIsAskedFor) {
  struct Case {
    LineSettings settings;
    std::optional<RemoteLine> line;
  };
  const Case cases[] = {
      {{9600, 'n', 8, "1"}, RemoteLine{9600, 1, 8, 1}},
      {{1200, 'o', 7, "2"}, RemoteLine{1200, 2, 7, 2}},
      {{4800, 'e', 8, "1"}, RemoteLine{4800, 3, 8, 1}},
      {{2400, 'm', 5, "1.5"}, RemoteLine{2400, 4, 5, 3}},
      {{19200, 's', 6, "1"}, RemoteLine{19200, 5, 6, 1}},
      {{9600, 'n', 4, "1"}, std::nullopt},
      {{9600, 'n', 9, "1"}, std::nullopt},
      {{9600, 'x', 8, "1"}, std::nullopt},
      {{9600, 'n', 8, "3"}, std::nullopt},
      {{0, 'n', 8, "1"}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings.ToText());
    EXPECT_EQ(platform::ToRemoteLine(c.settings), c.line);
  }
}

TEST(NetworkDevice, AServerThatIsNotThereIsNamedAndNothingOpens) {
  for (DeviceKind kind : {DeviceKind::kTcp, DeviceKind::kRfc2217}) {
    const PortTarget target = Target(kind, testing_support::UnusedLoopbackPort());
    PortError error;
    EXPECT_EQ(OpenNetworkDevice(target, error), nullptr);
    EXPECT_EQ(error.number, platform::kErrDeviceUnavailable);
    EXPECT_NE(error.description.find("无法连接到串口服务器 " + target.device), std::string::npos)
        << error.description;
  }
}

TEST(NetworkDevice, ATargetOfAnotherKindIsRefused) {
  PortTarget tty;
  tty.device = "/dev/ttyS0";
  PortError error;
  EXPECT_EQ(OpenNetworkDevice(tty, error), nullptr);
  EXPECT_NE(error.description.find("/dev/ttyS0"), std::string::npos);
}

TEST(NetworkDevice, RawStreamCarriesBytesBothWaysAtTheServersSpeed) {
  std::string heard;
  LoopbackServer server([&heard](int connection) {
    heard = LoopbackServer::ReadChunk(connection, 5000);
    LoopbackServer::Send(connection, "*010100\r");
    LoopbackServer::ReadChunk(connection, 5000);  // until the client closes
  });
  PortError error;
  auto device = OpenNetworkDevice(Target(DeviceKind::kTcp, server.port(), 4800), error);
  ASSERT_NE(device, nullptr) << error.description;
  EXPECT_EQ(device->FixedBaud(), 4800);
  // A raw stream carries no settings: any are taken, the line keeps the server's speed.
  EXPECT_FALSE(device->Configure(*LineSettings::Parse("1200,e,7,2")));
  EXPECT_FALSE(device->DiscardInput());
  EXPECT_FALSE(device->Write("$01AD04\r"));
  std::string reply;
  for (int i = 0; i < 20 && reply.find('\r') == std::string::npos; ++i) {
    ASSERT_FALSE(device->WaitForInput(500));
    ASSERT_FALSE(device->Read(reply));
  }
  EXPECT_EQ(reply, "*010100\r");
  device.reset();
  EXPECT_EQ(heard, "$01AD04\r");
}

TEST(NetworkDevice, TheServersSpeedIsNineThousandSixHundredUnlessStated) {
  LoopbackServer server([](int connection) { LoopbackServer::ReadChunk(connection, 5000); });
  PortError error;
  auto device = OpenNetworkDevice(Target(DeviceKind::kTcp, server.port()), error);
  ASSERT_NE(device, nullptr) << error.description;
  EXPECT_EQ(device->FixedBaud(), 9600);
}

// The server drops the connection after the request, before any reply: the wait ends
// with the failure instead of running out, and every later operation reports it too.
TEST(NetworkDevice, AConnectionDroppedMidTransactionFailsEveryLaterOperation) {
  LoopbackServer server([](int connection) { LoopbackServer::ReadChunk(connection, 5000); });
  PortError error;
  auto device = OpenNetworkDevice(Target(DeviceKind::kTcp, server.port()), error);
  ASSERT_NE(device, nullptr) << error.description;
  ASSERT_FALSE(device->Write("$01AD04\r"));
  platform::PortResult failure;
  for (int i = 0; i < 20 && !failure; ++i) failure = device->WaitForInput(500);
  ASSERT_TRUE(failure) << "the drop was never noticed";
  EXPECT_EQ(failure->number, platform::kErrReadFailed);
  EXPECT_NE(failure->description.find("连接已断开"), std::string::npos) << failure->description;
  std::string out;
  for (const platform::PortResult& later :
       {device->Read(out), device->Write("$01AD04\r"), device->DiscardInput(), device->DiscardOutput(),
        device->Configure(LineSettings{})}) {
    ASSERT_TRUE(later);
    EXPECT_EQ(later->description, failure->description);
  }
  EXPECT_TRUE(out.empty());
}

}  // namespace
