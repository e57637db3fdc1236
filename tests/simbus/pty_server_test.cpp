// The pty server through a real pseudo-terminal, as a program would open it. These run
// on the real clock, so they only wait with bounds and never judge speed; the one time
// check is a lower bound (the server must not deliver before the wire could have).

#include "simbus/pty_server.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "protocol/frame.h"
#include "tests/simbus/sim_fixture.h"

namespace {

using simbus_test::At;

struct PtyServerTest : ::testing::Test {
  platform::SystemClock clock;
  simbus::Bus bus{clock};
  std::unique_ptr<simbus::PtyServer> server;
  std::atomic<bool> stop{false};
  std::thread serving;

  void SetUp() override {
    bus.Add(At("01", 9600));
    bus.Add(At("12", 1200, "2.10"));
    std::string error;
    server = simbus::PtyServer::OpenPty(bus, &error);
    ASSERT_TRUE(server) << error;
    serving = std::thread([this] { server->Serve(stop); });
  }
  void TearDown() override {
    stop = true;
    if (serving.joinable()) serving.join();
  }

  // Opens the slave as a serial program would: raw, 8,n,1, at `speed`.
  int OpenClient(speed_t speed) {
    const int fd = open(server->path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(fd, 0);
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    tcsetattr(fd, TCSANOW, &t);
    tcflush(fd, TCIOFLUSH);
    return fd;
  }

  // Reads until a CR or `ms` of real time.
  static std::string ReadReply(int fd, int ms) {
    std::string got;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (got.find('\r') == std::string::npos) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
      char buf[256];
      const ssize_t n = read(fd, buf, sizeof buf);
      if (n > 0) got.append(buf, static_cast<std::size_t>(n));
    }
    return got;
  }

  static void Send(int fd, std::string_view addr, std::string_view comm) {
    const std::string frame = protocol::BuildRequestFrame(addr, comm);
    ASSERT_EQ(write(fd, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
  }
};

TEST_F(PtyServerTest, ARequestOnTheSlaveIsAnsweredAtTheClientsRate) {
  const int fd = OpenClient(B9600);
  Send(fd, "01", "AD");
  EXPECT_EQ(ReadReply(fd, 2000), protocol::BuildReplyFrame("0101"));

  Send(fd, "12", "VR");
  EXPECT_EQ(ReadReply(fd, 300), "") << "12 runs at 1200 baud and hears nothing at 9600";

  termios t{};
  tcgetattr(fd, &t);
  cfsetispeed(&t, B1200);
  cfsetospeed(&t, B1200);
  tcsetattr(fd, TCSANOW, &t);
  const auto start = std::chrono::steady_clock::now();
  Send(fd, "12", "VR");
  EXPECT_EQ(ReadReply(fd, 3000), protocol::BuildReplyFrame("122.10"));
  const auto took = std::chrono::steady_clock::now() - start;
  // 8 bytes out and 10 back at 1200 baud take 150 ms on a real line; a pty would take none.
  EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(took).count(), 145);
  close(fd);
}

TEST_F(PtyServerTest, TheServerOutlivesItsClients) {
  for (int round = 0; round < 3; ++round) {
    const int fd = OpenClient(B9600);
    Send(fd, "01", "AD");
    EXPECT_EQ(ReadReply(fd, 2000), protocol::BuildReplyFrame("0101")) << "round " << round;
    close(fd);
  }
}

TEST(PtyServerLine, TheSettingsOfATtyBecomeTheHostsLine) {
  platform::VirtualClock clock;
  simbus::Bus bus(clock);
  std::string error;
  auto server = simbus::PtyServer::OpenPty(bus, &error);
  ASSERT_TRUE(server) << error;
  const int fd = open(server->path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(simbus::LineSettingsOfTty(fd).baud, 9600) << "the server starts the slave at 9600";
  termios t{};
  tcgetattr(fd, &t);
  cfsetospeed(&t, B2400);
  cfsetispeed(&t, B2400);
  t.c_cflag |= CSTOPB;
  tcsetattr(fd, TCSANOW, &t);
  close(fd);  // the server holds the slave, so the settings stay
  server->Step(0);
  EXPECT_EQ(bus.host_line().baud, 2400);
  EXPECT_EQ(bus.host_line().stop_bits, "2");
  EXPECT_EQ(simbus::LineSettingsOfTty(-1).baud, 0) << "an unreadable tty is a line nobody hears";
}

TEST(PtyServerLine, ADeviceThatCannotBeOpenedIsAClearError) {
  platform::VirtualClock clock;
  simbus::Bus bus(clock);
  std::string error;
  EXPECT_FALSE(simbus::PtyServer::OpenDevice(bus, "/nonexistent/ttyS99", 9600, &error));
  EXPECT_NE(error.find("/nonexistent/ttyS99"), std::string::npos) << error;
  EXPECT_FALSE(simbus::PtyServer::OpenDevice(bus, "/dev/null", 1234, &error));
  EXPECT_NE(error.find("1234"), std::string::npos) << error;
}

}  // namespace
