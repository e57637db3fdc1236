#pragma once
// Command line of the simbus program, parsed into options and turned into a bus, kept
// out of main() so it can be tested.
//
//   simbus [--transmitter ADDR:BAUD[:VERSION]]... [--fault ADDR[@BAUD]:KIND[,KIND]...]...
//          [--batch SERIAL[:KIND[,KIND]...]]... [--manifold P[,P]...[@MS]] [--error ADDR:GAIN[:OFFSET]]...
//          [--turnaround MS] [--link PATH] [--device PATH [--baud N]] [--echo] [--verbose] [--help]
//          [--version]
//
// Fault kinds: silent, late=MS, badsum, lowercase, noise[=TEXT], trailing[=TEXT],
// split=N, gap=MS, overflow=+|-, notemp, every=N, once=N, stale=MNEMONIC (see faults.h).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "simbus/batch.h"
#include "simbus/bus.h"
#include "simbus/faults.h"
#include "simbus/manifold.h"

namespace simbus {

struct TransmitterSpec {
  std::string address;
  int baud = 9600;
  std::string version = "2.00";
};

struct FaultSpec {
  std::string address;
  int baud = 0;       // 0: every transmitter with the address
  std::string kinds;  // "badsum,every=10"
};

struct ServerOptions {
  std::vector<TransmitterSpec> transmitters;  // empty: the demo population
  std::vector<FaultSpec> faults;
  std::vector<BatchEntry> batch;  // connected one after another at the factory place (batch.h)
  std::optional<ManifoldSpec> manifold;  // every transmitter reads one shared pressure
  std::vector<ErrorSpec> errors;         // their gain and offset errors
  std::optional<std::uint32_t> turnaround_ms;
  std::string link;           // symlink to the pty's slave
  std::string device;         // serve on this serial device instead of a pty
  int device_baud = 9600;     // the device's line rate
  bool verbose = false;       // trace frames and replies on stderr
  bool adapter_echo = false;  // --echo: every request comes back before its reply
  bool help = false;
  bool version = false;
};

struct ParsedOptions {
  std::optional<ServerOptions> options;
  std::string error;  // set when options is empty
};

ParsedOptions ParseServerOptions(const std::vector<std::string>& args);  // without argv[0]
std::string ServerUsage();

// Applies fault kinds ("badsum", "late=200", "split=3,gap=5") to `faults`; the error
// text, or nothing on success.
std::optional<std::string> ApplyFaultKinds(std::string_view kinds, Faults& faults);

// The bus the options describe, on `clock` (the demo population only when neither
// transmitters nor a batch are given); null with *error set when a fault names no
// transmitter.
std::unique_ptr<Bus> BuildServerBus(const ServerOptions& options, platform::Clock& clock, std::string* error);

}  // namespace simbus
