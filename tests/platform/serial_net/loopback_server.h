#pragma once
// A one-connection TCP server on a free loopback port, run by the test itself: it
// accepts, then does what the test scripted (answer, or drop the connection), so the
// network device can be tried without a serial device server.

#include <functional>
#include <string>
#include <thread>

namespace testing_support {

class LoopbackServer {
 public:
  // `serve` runs on the server's own thread with the accepted connection.
  using Serve = std::function<void(int connection)>;
  explicit LoopbackServer(Serve serve);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const { return port_; }

  // What arrives on `connection` within `ms` (at most one chunk); "" when nothing does.
  static std::string ReadChunk(int connection, int ms);
  static void Send(int connection, const std::string& bytes);

 private:
  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};

// A loopback port on which nothing listens now.
int UnusedLoopbackPort();

}  // namespace testing_support
