#include "tests/support/ser2net_process.h"

#include <arpa/inet.h>
#include <limits.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

namespace testing_support {

namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// Two loopback ports free now: both held while the second is chosen, so they differ.
std::pair<int, int> FreePorts() {
  int ports[2] = {0, 0};
  int fds[2] = {-1, -1};
  for (int i = 0; i < 2; ++i) {
    fds[i] = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    if (fds[i] >= 0 && bind(fds[i], reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fds[i], reinterpret_cast<sockaddr*>(&address), &size) == 0)
      ports[i] = ntohs(address.sin_port);
  }
  for (int fd : fds)
    if (fd >= 0) close(fd);
  return {ports[0], ports[1]};
}

bool Accepts(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_in address = Loopback(port);
  const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return ok;
}

// True while process `pid` has `path` open. The server opens its device for each
// accepted connection and closes it only after draining it, some milliseconds after the
// connection ended; a client arriving meanwhile is turned away ("Port's device already
// in use").
bool HoldsOpen(pid_t pid, const std::string& path) {
  std::error_code error;
  const std::filesystem::path fds = "/proc/" + std::to_string(pid) + "/fd";
  for (const auto& entry : std::filesystem::directory_iterator(fds, error)) {
    char target[PATH_MAX];
    const ssize_t n = readlink(entry.path().c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == path) return true;
  }
  return false;
}

}  // namespace

std::string Ser2netProcess::Find() {
  for (const char* path : {"/usr/sbin/ser2net", "/usr/bin/ser2net", "/usr/local/sbin/ser2net"})
    if (access(path, X_OK) == 0) return path;
  return "";
}

Ser2netProcess::Ser2netProcess(const std::string& program, const std::string& tty, int raw_baud) {
  std::tie(rfc2217_port_, raw_port_) = FreePorts();
  if (rfc2217_port_ == 0 || raw_port_ == 0) return;
  char name[] = "/tmp/ser2net_XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) return;
  close(fd);
  config_ = name;
  // "local": a pseudo-terminal has no modem lines to watch. "chardelay: false": each
  // byte goes on to the network as it comes from the tty, where the server would
  // otherwise hold it for two character times in case more follow; "nodelay": and the
  // network does not hold it until the client has acknowledged the one before.
  std::ofstream(config_) << "%YAML 1.1\n---\n"
                         << "connection: &rfc2217\n"
                         << "  accepter: telnet(rfc2217),tcp(nodelay),127.0.0.1," << rfc2217_port_ << "\n"
                         << "  connector: serialdev," << tty << ",9600n81,local\n"
                         << "  options:\n    kickolduser: true\n    chardelay: false\n"
                         << "connection: &raw\n"
                         << "  accepter: tcp(nodelay),127.0.0.1," << raw_port_ << "\n"
                         << "  connector: serialdev," << tty << "," << raw_baud << "n81,local\n"
                         << "  options:\n    kickolduser: true\n    chardelay: false\n";
  pid_ = fork();
  if (pid_ == 0) {
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    // Nothing of the parent's: a tty it holds open would look like the server's own.
    close_range(3, ~0U, 0);
    // -n: stay in the foreground; -u: no UUCP lock files in the system's lock folder.
    execl(program.c_str(), program.c_str(), "-n", "-u", "-c", config_.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid_ < 0) return;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!(ready_ = Accepts(rfc2217_port_) && Accepts(raw_port_)) &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  // The probes above make the server open the tty, perhaps only after they ended:
  // ready once it has left the tty closed for a while.
  constexpr auto kSettled = std::chrono::milliseconds(50);
  auto free_since = std::chrono::steady_clock::now();
  while (ready_) {
    const auto now = std::chrono::steady_clock::now();
    if (HoldsOpen(pid_, tty))
      free_since = now;
    else if (now - free_since >= kSettled)
      break;
    if (now >= deadline) ready_ = false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

Ser2netProcess::~Ser2netProcess() {
  Stop();
  if (!config_.empty()) std::filesystem::remove(config_);
}

void Ser2netProcess::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);  // as a crashed server or a pulled cable: no goodbye to the client
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

}  // namespace testing_support
