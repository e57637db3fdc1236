#include "tests/platform/serial_net/loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support {

namespace {

int ListenOnFreePort(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 1) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    if (fd >= 0) close(fd);
    return -1;
  }
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

LoopbackServer::LoopbackServer(Serve serve) {
  listener_ = ListenOnFreePort(port_);
  if (listener_ < 0) return;
  thread_ = std::thread([this, serve = std::move(serve)] {
    pollfd p{listener_, POLLIN, 0};
    if (poll(&p, 1, 10'000) <= 0) return;  // nobody came
    const int connection = accept(listener_, nullptr, nullptr);
    if (connection < 0) return;
    serve(connection);
    close(connection);
  });
}

LoopbackServer::~LoopbackServer() {
  if (thread_.joinable()) thread_.join();
  if (listener_ >= 0) close(listener_);
}

std::string LoopbackServer::ReadChunk(int connection, int ms) {
  pollfd p{connection, POLLIN, 0};
  if (poll(&p, 1, ms) <= 0) return "";
  char buffer[256];
  const ssize_t n = read(connection, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : "";
}

void LoopbackServer::Send(int connection, const std::string& bytes) {
  if (write(connection, bytes.data(), bytes.size()) < 0) { /* the client went: the test sees it */
  }
}

int UnusedLoopbackPort() {
  int port = 0;
  const int fd = ListenOnFreePort(port);
  if (fd >= 0) close(fd);  // closed at once: nothing listens there now
  return port;
}

}  // namespace testing_support
