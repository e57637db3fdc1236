#pragma once
// Serves a simulated bus on a pseudo-terminal (or a real serial port), for programs
// that open a serial device by path. A pty ignores the baud rate and delivers at once,
// so the server keeps the line honest itself: it reads the line settings the other side
// set on the tty, so a transmitter hears only at its own rate, and it writes each reply
// byte at its wire time. It holds the pty's slave open itself, so the settings persist
// and the master never sees a hang-up when the other side closes and reopens the slave.
//
// Not thread-safe; the bus should run on a SystemClock.

#include <atomic>
#include <csignal>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/serial/line_settings.h"
#include "simbus/bus.h"

namespace simbus {

// The line settings a tty's termios describe: rate, data bits, parity, stop bits.
platform::LineSettings LineSettingsOfTty(int fd);

class PtyServer {
 public:
  // A new pseudo-terminal pair; the slave starts raw at 9600 baud. Null with *error set
  // on failure.
  static std::unique_ptr<PtyServer> OpenPty(Bus& bus, std::string* error);
  // A real serial device, set raw at `baud`, 8 data bits, no parity, 1 stop bit; only
  // transmitters at that rate can be heard on it.
  static std::unique_ptr<PtyServer> OpenDevice(Bus& bus, const std::string& path, int baud,
                                               std::string* error);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // The path the other side opens: the pty's slave, or the device.
  const std::string& path() const { return path_; }

  // One round: takes the other side's line settings, writes the reply bytes that are
  // due, and waits at most `max_wait_ms` (less when a reply byte falls due first) for
  // what the other side writes, handing it to the bus. Never spins: when the other side
  // is gone (hang-up, EIO) it sleeps out the wait.
  void Step(std::uint32_t max_wait_ms);

  // Runs Step until `stop` is set. Signals interrupt the waits at once when they are
  // blocked outside the waits and `wait_mask` (the mask to wait with) lets them in.
  void Serve(const std::atomic<bool>& stop, const sigset_t* wait_mask = nullptr);

 private:
  PtyServer(Bus& bus, int io_fd, int keep_fd, std::string path);
  void RefreshLine();
  void FlushReplies();
  void Sleep(std::uint64_t us);

  Bus& bus_;
  int io_fd_;    // pty master, or the device
  int keep_fd_;  // the pty slave held open (-1 for a device)
  std::string path_;
  const sigset_t* wait_mask_ = nullptr;
};

}  // namespace simbus
