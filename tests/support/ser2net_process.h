#pragma once
// The ser2net program serving a tty on two free loopback ports for end-to-end tests:
// one Telnet port with RFC 2217, and one raw TCP port at a fixed line speed. Every wait
// is bounded; the server is stopped at the end (or earlier, to drop the connection).

#include <sys/types.h>

#include <string>

namespace testing_support {

class Ser2netProcess {
 public:
  // Where ser2net is installed, or "" when it is not.
  static std::string Find();

  Ser2netProcess(const std::string& program, const std::string& tty, int raw_baud);
  ~Ser2netProcess();
  Ser2netProcess(const Ser2netProcess&) = delete;
  Ser2netProcess& operator=(const Ser2netProcess&) = delete;

  // True once both ports accept connections and the tty is free for the first client.
  bool ready() const { return ready_; }
  std::string Rfc2217Target() const { return "rfc2217://127.0.0.1:" + std::to_string(rfc2217_port_); }
  std::string TcpTarget() const { return "tcp://127.0.0.1:" + std::to_string(raw_port_); }
  // Ends the server: every connection to it drops.
  void Stop();

 private:
  pid_t pid_ = -1;
  int rfc2217_port_ = 0;
  int raw_port_ = 0;
  bool ready_ = false;
  std::string config_;
};

}  // namespace testing_support
