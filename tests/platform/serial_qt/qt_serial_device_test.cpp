// The real serial backend against a pseudo-terminal that the test holds the other side of.
#include "platform/serial_qt/qt_serial_device.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"

namespace {

using platform::OpenQtSerialDevice;
using platform::PortError;

struct PtyFixture : ::testing::Test {
  int master = -1;
  std::string slave_path;

  void SetUp() override {
    int slave = -1;
    char name[128];
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    slave_path = name;
    close(slave);
  }
  void TearDown() override {
    if (master >= 0) close(master);
  }
  // Reads what the other side sent, waiting at most a second for `n` bytes.
  std::string ReadMaster(std::size_t n) {
    std::string got;
    while (got.size() < n) {
      pollfd p{master, POLLIN, 0};
      if (poll(&p, 1, 1000) <= 0) break;
      char buf[256];
      const ssize_t k = read(master, buf, sizeof buf);
      if (k <= 0) break;
      got.append(buf, static_cast<std::size_t>(k));
    }
    return got;
  }
};

// A pseudo-terminal's driver has no RS-485 mode: a target that asks for it does not open,
// and the message names the port and why; without the option the same tty opens.
TEST_F(PtyFixture, RS485ModeRefusedByTheDriverLeavesThePortClosedWithTheReason) {
  const std::pair<const char*, bool> cases[] = {{",rs485", false}, {",rs485=rts-low", false}, {"", true}};
  for (const auto& [option, opens] : cases) {
    SCOPED_TRACE(option);
    const auto target = platform::ParsePortTarget(slave_path + option).target;
    ASSERT_TRUE(target);
    PortError error;
    auto device = OpenQtSerialDevice(*target, error);
    EXPECT_EQ(device != nullptr, opens) << error.description;
    if (opens) continue;
    EXPECT_EQ(error.number, platform::kErrDeviceUnavailable);
    EXPECT_NE(error.description.find("端口 " + slave_path + " 不能切换到 RS-485 模式"), std::string::npos)
        << error.description;
    EXPECT_NE(error.description.find("驱动没有这种模式"), std::string::npos) << error.description;
  }
  EXPECT_EQ(ReadMaster(1), "") << "nothing was sent";
}

TEST_F(PtyFixture, WritesAndReadsThroughARealTty) {
  PortError error;
  auto device = OpenQtSerialDevice(slave_path, error);
  ASSERT_TRUE(device) << error.description;
  EXPECT_FALSE(device->Configure(*platform::LineSettings::Parse("1200,N,8,1")));
  EXPECT_FALSE(device->SetHandshake(platform::Handshake::kRtsCts)) << "a pty's refusal is tolerated";

  EXPECT_FALSE(device->Write("$01RP033\r"));
  EXPECT_EQ(ReadMaster(9), "$01RP033\r");

  ASSERT_EQ(write(master, "*01OK05\r", 8), 8);
  EXPECT_FALSE(device->WaitForInput(1000));
  std::string got;
  for (int i = 0; i < 50 && got.size() < 8; ++i) {
    EXPECT_FALSE(device->Read(got));
    if (got.size() < 8) device->WaitForInput(20);
  }
  EXPECT_EQ(got, "*01OK05\r");

  // The line settings really reached the tty.
  termios t{};
  ASSERT_EQ(tcgetattr(master, &t), 0);
  EXPECT_EQ(cfgetospeed(&t), B1200);
}

TEST_F(PtyFixture, DiscardInputDropsWhatArrivedEarlier) {
  PortError error;
  auto device = OpenQtSerialDevice(slave_path, error);
  ASSERT_TRUE(device);
  ASSERT_EQ(write(master, "late\r", 5), 5);
  device->WaitForInput(1000);
  EXPECT_FALSE(device->DiscardInput());
  std::string got;
  device->Read(got);
  EXPECT_EQ(got, "");
}

TEST_F(PtyFixture, AWaitWithoutInputReturnsAtTheDeadline) {
  PortError error;
  auto device = OpenQtSerialDevice(slave_path, error);
  ASSERT_TRUE(device);
  EXPECT_FALSE(device->WaitForInput(30)) << "a time-out is not a failure";
  std::string got;
  EXPECT_FALSE(device->Read(got));
  EXPECT_EQ(got, "");
}

TEST_F(PtyFixture, TheOtherSideVanishingFailsEveryLaterOperation) {
  PortError error;
  auto device = OpenQtSerialDevice(slave_path, error);
  ASSERT_TRUE(device);
  close(master);
  master = -1;
  platform::SystemClock clock;
  bool failed = false;
  for (int i = 0; i < 20 && !failed; ++i) {
    std::string got;
    failed = device->WaitForInput(100).has_value() || device->Read(got).has_value();
  }
  EXPECT_TRUE(failed);
  std::string got;
  EXPECT_TRUE(device->Read(got)) << "the failure sticks until the port is closed";
  EXPECT_TRUE(device->Write("x"));
  EXPECT_LT(clock.now_us(), 2'000'000u) << "no operation blocked on the vanished device";
}

TEST_F(PtyFixture, ASecondOpenOfAHeldPortFailsWithAClearDescription) {
  PortError error;
  auto holder = OpenQtSerialDevice(slave_path, error);
  ASSERT_TRUE(holder);
  PortError busy;
  auto second = OpenQtSerialDevice(slave_path, busy);
  EXPECT_FALSE(second);
  EXPECT_GT(busy.number, 8000);
  EXPECT_EQ(busy.description.find("端口已被其他程序占用：" + slave_path), 0u) << busy.description;
  // The holder is not disturbed.
  EXPECT_FALSE(holder->Write("ok\r"));
  EXPECT_EQ(ReadMaster(3), "ok\r");
}

// The line of the pty held up, as a handshake holds a real one: the test keeps a
// descriptor of the port's side and stops its output (tcflow), so written bytes stay
// queued until the test starts the line again.
struct HeldLine : PtyFixture {
  int port_side = -1;
  void SetUp() override {
    PtyFixture::SetUp();
    port_side = open(slave_path.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(port_side, 0);
    ASSERT_EQ(tcflow(port_side, TCOOFF), 0);
  }
  void TearDown() override {
    if (port_side >= 0) close(port_side);
    PtyFixture::TearDown();
  }
  // What the other side holds now; the kernel hands bytes written to a pty on to the
  // other side in a work queue, so a moment is allowed for that.
  std::string ArrivedSoFar() {
    std::string got;
    char buf[256];
    for (pollfd p{master, POLLIN, 0}; poll(&p, 1, 100) > 0;) {
      const ssize_t k = read(master, buf, sizeof buf);
      if (k <= 0) break;
      got.append(buf, static_cast<std::size_t>(k));
    }
    return got;
  }
  // Pemliq's normal-mode send: open at 1200 baud, write the text, close.
  std::chrono::milliseconds SendAndClose(const std::string& text) {
    platform::SerialPort port([this](int, PortError& e) { return OpenQtSerialDevice(slave_path, e); },
                              "MSComm1");
    EXPECT_FALSE(port.set_settings("1200,N,8,1"));
    EXPECT_FALSE(port.set_port_open(true));
    EXPECT_FALSE(port.Write(text));
    const auto start = std::chrono::steady_clock::now();
    port.set_port_open(false);
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  }
};

const std::string kSixtyCharacters(60, 'A');

TEST_F(HeldLine, AWrittenTextHasFullyArrivedWhenThePortHasClosed) {
  std::thread line_moves([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    tcflow(port_side, TCOON);
  });
  SendAndClose(kSixtyCharacters);
  line_moves.join();
  EXPECT_EQ(ArrivedSoFar(), kSixtyCharacters) << "nothing of the text may be lost at the close";
}

TEST_F(HeldLine, ALineThatNeverMovesHoldsTheCloseOnlyForTheTextsWireTime) {
  const auto took = SendAndClose(kSixtyCharacters);
  // 60 bytes at 1200 baud are 500 ms on the wire; the margin is 200 ms.
  EXPECT_GE(took.count(), 500);
  EXPECT_LT(took.count(), 2000) << "the wait is bounded";
  tcflow(port_side, TCOON);
  EXPECT_EQ(ArrivedSoFar(), "") << "what could not go out in time was dropped, not sent late";
}

TEST(QtSerialDevice, AMissingDeviceIsReportedByName) {
  PortError error;
  EXPECT_FALSE(OpenQtSerialDevice("/dev/ttyNoSuchPort9", error));
  EXPECT_EQ(error.number, platform::kErrDeviceUnavailable);
  EXPECT_EQ(error.description.find("端口不存在：/dev/ttyNoSuchPort9"), 0u) << error.description;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
