// simbus: serves a simulated transmitter bus on a pseudo-terminal (or a serial port).
// Prints the slave's path on stdout and runs until SIGINT or SIGTERM.

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/version.h"
#include "simbus/pty_server.h"
#include "simbus/server_options.h"

namespace {

std::atomic<bool> g_stop{false};
extern "C" void OnSignal(int) { g_stop.store(true); }

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = simbus::ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    std::cerr << "simbus: " << parsed.error << "\n\n" << simbus::ServerUsage();
    return 2;
  }
  const simbus::ServerOptions& options = *parsed.options;
  if (options.help) {
    std::cout << simbus::ServerUsage();
    return 0;
  }
  if (options.version) {
    std::cout << "simbus " << platform::kVersion << "\n";
    return 0;
  }

  platform::SystemClock clock;
  std::string error;
  auto bus = simbus::BuildServerBus(options, clock, &error);
  if (!bus) {
    std::cerr << "simbus: " << error << "\n";
    return 2;
  }
  if (options.verbose) bus->set_trace([](std::string_view line) { std::cerr << line << "\n"; });

  auto server = options.device.empty()
                    ? simbus::PtyServer::OpenPty(*bus, &error)
                    : simbus::PtyServer::OpenDevice(*bus, options.device, options.device_baud, &error);
  if (!server) {
    std::cerr << "simbus: " << error << "\n";
    return 1;
  }
  if (!options.link.empty()) {
    unlink(options.link.c_str());  // a stale link from an earlier run
    if (symlink(server->path().c_str(), options.link.c_str()) != 0) {
      std::perror(("simbus: symlink " + options.link).c_str());
      return 1;
    }
  }
  std::cout << server->path() << std::endl;  // one line, flushed

  // The signals stay blocked except while the server waits, so none is missed.
  sigset_t block, wait_mask;
  sigemptyset(&block);
  sigaddset(&block, SIGINT);
  sigaddset(&block, SIGTERM);
  sigprocmask(SIG_BLOCK, &block, &wait_mask);
  sigdelset(&wait_mask, SIGINT);
  sigdelset(&wait_mask, SIGTERM);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);

  server->Serve(g_stop, &wait_mask);

  if (!options.link.empty()) unlink(options.link.c_str());
  std::cerr << "simbus: stopped\n";
  return 0;
}
