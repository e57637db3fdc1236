// The pty server through a real pseudo-terminal, as a program would open it. This runs
// on the real clock, so it only waits with bounds and never judges speed; the one time
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

#include "tests/simbus/sim_fixture.h"

namespace {

using std::chrono::steady_clock;

// Writes a request at `speed` (raw, 8,n,1) and reads until a CR or `ms` of real time.
std::string Exchange(int fd, speed_t speed, std::string_view addr, std::string_view comm, int ms) {
  termios t{};
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  cfsetispeed(&t, speed);
  cfsetospeed(&t, speed);
  tcsetattr(fd, TCSANOW, &t);
  const std::string frame = protocol::BuildRequestFrame(addr, comm);
  EXPECT_EQ(write(fd, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
  std::string got;
  const auto deadline = steady_clock::now() + std::chrono::milliseconds(ms);
  for (auto now = steady_clock::now(); got.find('\r') == std::string::npos && now < deadline;
       now = steady_clock::now()) {
    pollfd p{fd, POLLIN, 0};
    char buf[256];
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
    if (poll(&p, 1, static_cast<int>(left) + 1) <= 0) continue;
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n > 0) got.append(buf, static_cast<std::size_t>(n));
  }
  return got;
}

TEST(PtyServer, ARequestOnTheSlaveIsAnsweredAtTheClientsRate) {
  platform::SystemClock clock;
  simbus::Bus bus{clock};
  bus.Add(simbus_test::At("01", 9600));
  bus.Add(simbus_test::At("12", 1200, "2.10"));
  std::string error;
  const auto server = simbus::PtyServer::OpenPty(bus, &error);
  ASSERT_TRUE(server) << error;
  std::atomic<bool> stop{false};
  std::thread serving([&] { server->Serve(stop); });

  const int fd = open(server->path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  EXPECT_GE(fd, 0);
  if (fd >= 0) {
    EXPECT_EQ(Exchange(fd, B9600, "01", "AD", 2000), protocol::BuildReplyFrame("0101"));
    EXPECT_EQ(Exchange(fd, B9600, "12", "VR", 300), "") << "12 runs at 1200 baud and hears nothing at 9600";
    const auto start = steady_clock::now();
    EXPECT_EQ(Exchange(fd, B1200, "12", "VR", 3000), protocol::BuildReplyFrame("122.10"));
    // 8 bytes out and 10 back at 1200 baud take 150 ms on a real line; a pty would take none.
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(steady_clock::now() - start).count(),
              145);
    close(fd);
  }
  stop = true;
  serving.join();
}

}  // namespace
