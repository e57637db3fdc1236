#include "bench/pty_peer.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "protocol/frame.h"

namespace bench {

PtyPeer::PtyPeer(std::string silent_address) : silent_(std::move(silent_address)) {
  int slave = -1;
  char name[128];
  termios raw{};
  cfmakeraw(&raw);
  if (openpty(&master_, &slave, name, &raw, nullptr) != 0) return;
  slave_path_ = name;
  close(slave);
  thread_ = std::thread([this] { Serve(); });
}

PtyPeer::~PtyPeer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (master_ >= 0) close(master_);
}

void PtyPeer::Serve() {
  std::string pending;
  while (!stop_) {
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, 20) <= 0) continue;
    char buf[256];
    const ssize_t n = read(master_, buf, sizeof buf);
    if (n <= 0) {
      usleep(1000);  // no slave open yet
      continue;
    }
    pending.append(buf, static_cast<std::size_t>(n));
    std::size_t cr;
    while ((cr = pending.find('\r')) != std::string::npos) {
      const std::string frame = pending.substr(0, cr + 1);
      pending.erase(0, cr + 1);
      if (frame.size() < 4 || frame[0] != '$') continue;
      const std::string address = frame.substr(1, 2);
      if (address == silent_) continue;
      const std::string reply = protocol::BuildReplyFrame(address + "OK");
      if (write(master_, reply.data(), reply.size()) == static_cast<ssize_t>(reply.size()))
        last_cr_ns_ = SteadyNowNs();
    }
  }
}

}  // namespace bench
