#include "simbus/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace simbus {
namespace {

struct SpeedEntry {
  speed_t code;
  int baud;
};

constexpr SpeedEntry kSpeeds[] = {
    {B50, 50},       {B75, 75},         {B110, 110},       {B134, 134},       {B150, 150},
    {B200, 200},     {B300, 300},       {B600, 600},       {B1200, 1200},     {B1800, 1800},
    {B2400, 2400},   {B4800, 4800},     {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
    {B57600, 57600}, {B115200, 115200}, {B230400, 230400}, {B460800, 460800}, {B921600, 921600},
};

int BaudOf(speed_t code) {
  for (const auto& s : kSpeeds) {
    if (s.code == code) return s.baud;
  }
  return 0;  // B0 or a rate of no interest: no transmitter hears
}

std::optional<speed_t> CodeOf(int baud) {
  for (const auto& s : kSpeeds) {
    if (s.baud == baud) return s.code;
  }
  return std::nullopt;
}

std::string Errno(const std::string& what) { return what + ": " + std::strerror(errno); }

bool MakeRaw(int fd, speed_t speed) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  t.c_cflag |= CLOCAL | CREAD;
  t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  cfsetispeed(&t, speed);
  cfsetospeed(&t, speed);
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

timespec Timespec(std::uint64_t us) {
  return timespec{static_cast<time_t>(us / 1'000'000), static_cast<long>(us % 1'000'000) * 1000};
}

}  // namespace

platform::LineSettings LineSettingsOfTty(int fd) {
  platform::LineSettings line;
  termios t{};
  if (tcgetattr(fd, &t) != 0) {
    line.baud = 0;
    return line;
  }
  line.baud = BaudOf(cfgetospeed(&t));
  switch (t.c_cflag & CSIZE) {
    case CS5:
      line.data_bits = 5;
      break;
    case CS6:
      line.data_bits = 6;
      break;
    case CS7:
      line.data_bits = 7;
      break;
    default:
      line.data_bits = 8;
      break;
  }
  line.parity = !(t.c_cflag & PARENB) ? 'n' : (t.c_cflag & PARODD) ? 'o' : 'e';
  line.stop_bits = (t.c_cflag & CSTOPB) ? "2" : "1";
  return line;
}

PtyServer::PtyServer(Bus& bus, int io_fd, int keep_fd, std::string path)
    : bus_(bus), io_fd_(io_fd), keep_fd_(keep_fd), path_(std::move(path)) {}

PtyServer::~PtyServer() {
  if (keep_fd_ >= 0) close(keep_fd_);
  if (io_fd_ >= 0) close(io_fd_);
}

std::unique_ptr<PtyServer> PtyServer::OpenPty(Bus& bus, std::string* error) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0) {
    if (error) *error = Errno("posix_openpt");
    return nullptr;
  }
  char name[256];
  if (grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
    if (error) *error = Errno("grantpt/unlockpt/ptsname");
    close(master);
    return nullptr;
  }
  const int slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave < 0 || !MakeRaw(slave, B9600) || fcntl(master, F_SETFL, O_NONBLOCK) != 0) {
    if (error) *error = Errno(std::string("open ") + name);
    if (slave >= 0) close(slave);
    close(master);
    return nullptr;
  }
  return std::unique_ptr<PtyServer>(new PtyServer(bus, master, slave, name));
}

std::unique_ptr<PtyServer> PtyServer::OpenDevice(Bus& bus, const std::string& path, int baud,
                                                 std::string* error) {
  const auto speed = CodeOf(baud);
  if (!speed) {
    if (error) *error = "unsupported baud rate " + std::to_string(baud);
    return nullptr;
  }
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = Errno("open " + path);
    return nullptr;
  }
  if (!MakeRaw(fd, *speed)) {
    if (error) *error = Errno("configure " + path);
    close(fd);
    return nullptr;
  }
  return std::unique_ptr<PtyServer>(new PtyServer(bus, fd, -1, path));
}

void PtyServer::RefreshLine() {
  const platform::LineSettings line = LineSettingsOfTty(keep_fd_ >= 0 ? keep_fd_ : io_fd_);
  if (!(line == bus_.host_line())) bus_.SetHostLine(line);
}

void PtyServer::FlushReplies() {
  const std::string bytes = bus_.HostRead();
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(io_fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return;  // nobody reading (full queue, hang-up): the bytes are lost, as on a line
    }
  }
}

void PtyServer::Sleep(std::uint64_t us) {
  const timespec ts = Timespec(us);
  ppoll(nullptr, 0, &ts, wait_mask_);
}

void PtyServer::Step(std::uint32_t max_wait_ms) {
  RefreshLine();
  FlushReplies();

  std::uint64_t wait_us = std::uint64_t{max_wait_ms} * 1000;
  if (const auto next = bus_.NextEventUs()) {
    const std::uint64_t now = bus_.clock().now_us();
    wait_us = std::min(wait_us, *next > now ? *next - now : 0);
  }
  // The other side gone: replies cannot be delivered, so do not wake for them.
  const std::uint64_t hangup_sleep_us =
      std::max(wait_us, std::min<std::uint64_t>(50'000, max_wait_ms * 1000ull));

  pollfd p{io_fd_, POLLIN, 0};
  const timespec ts = Timespec(wait_us);
  if (ppoll(&p, 1, &ts, wait_mask_) > 0) {
    if (p.revents & POLLIN) {
      char buf[4096];
      const ssize_t n = read(io_fd_, buf, sizeof buf);
      if (n > 0) {
        RefreshLine();  // the settings the writer set before writing
        bus_.HostWrite(std::string_view(buf, static_cast<std::size_t>(n)));
      } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        Sleep(hangup_sleep_us);  // EIO: no slave open
      }
    } else if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
      Sleep(hangup_sleep_us);
    }
  }
  FlushReplies();
}

void PtyServer::Serve(const std::atomic<bool>& stop, const sigset_t* wait_mask) {
  wait_mask_ = wait_mask;
  // A byte written later than its wire time makes the line slower than the rate says:
  // the waits end on time, not up to the system's default 50 µs late.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  while (!stop.load()) Step(200);
  wait_mask_ = nullptr;
}

}  // namespace simbus
