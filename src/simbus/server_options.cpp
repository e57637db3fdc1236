#include "simbus/server_options.h"

#include "simbus/demo_bus.h"
#include "simbus/value_format.h"

namespace simbus {
namespace {

std::vector<std::string_view> Split(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = text.find(sep);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::optional<std::uint32_t> Number(std::string_view text, std::uint32_t max) {
  const auto n = ParseCode(text, static_cast<int>(max));
  if (!n) return std::nullopt;
  return static_cast<std::uint32_t>(*n);
}

bool IsAddress(std::string_view a) {
  return a.size() == 2 && a[0] >= '0' && a[0] <= '9' && a[1] >= '0' && a[1] <= '9' && a != "00";
}

bool IsBusBaud(int baud) { return CodeFromBaud(baud).has_value(); }

std::optional<TransmitterSpec> ParseTransmitter(std::string_view text) {
  const auto parts = Split(text, ':');
  if (parts.size() < 2 || parts.size() > 3 || !IsAddress(parts[0])) return std::nullopt;
  const auto baud = Number(parts[1], 115200);
  if (!baud || !IsBusBaud(static_cast<int>(*baud))) return std::nullopt;
  TransmitterSpec wanted{std::string(parts[0]), static_cast<int>(*baud), "2.00"};
  if (parts.size() == 3) {
    if (parts[2].empty()) return std::nullopt;
    wanted.version = std::string(parts[2]);
  }
  return wanted;
}

std::optional<FaultSpec> ParseFault(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  FaultSpec wanted;
  std::string_view target = text.substr(0, colon);
  if (const auto at = target.find('@'); at != std::string_view::npos) {
    const auto baud = Number(target.substr(at + 1), 115200);
    if (!baud || !IsBusBaud(static_cast<int>(*baud))) return std::nullopt;
    wanted.baud = static_cast<int>(*baud);
    target = target.substr(0, at);
  }
  if (!IsAddress(target)) return std::nullopt;
  wanted.address = std::string(target);
  wanted.kinds = std::string(text.substr(colon + 1));
  Faults probe;
  if (ApplyFaultKinds(wanted.kinds, probe)) return std::nullopt;
  return wanted;
}

}  // namespace

std::optional<std::string> ApplyFaultKinds(std::string_view kinds, Faults& f) {
  for (std::string_view item : Split(kinds, ',')) {
    const auto eq = item.find('=');
    const std::string_view kind = item.substr(0, eq);
    const bool has_value = eq != std::string_view::npos;
    const std::string_view value = has_value ? item.substr(eq + 1) : std::string_view{};
    const auto number = [&](std::uint32_t max) { return has_value ? Number(value, max) : std::nullopt; };
    const std::string bad = "bad fault \"" + std::string(item) + "\"";

    if (kind == "silent" && !has_value) {
      f.silent = true;
    } else if (kind == "late") {
      const auto ms = number(60000);
      if (!ms) return bad;
      f.late_ms = *ms;
    } else if (kind == "badsum" && !has_value) {
      f.bad_checksum = true;
    } else if (kind == "lowercase" && !has_value) {
      f.lower_case_checksum = true;
    } else if (kind == "noise") {
      f.noise_before = has_value ? std::string(value) : "~#";
      if (f.noise_before.empty()) return bad;
    } else if (kind == "trailing") {
      f.trailing = has_value ? std::string(value) : "#";
      if (f.trailing.empty()) return bad;
    } else if (kind == "split") {
      const auto n = number(64);
      if (!n || *n < 2) return bad;
      f.split_pieces = static_cast<int>(*n);
      if (f.split_gap_ms == 0) f.split_gap_ms = 5;
    } else if (kind == "gap") {
      const auto ms = number(60000);
      if (!ms) return bad;
      f.split_gap_ms = *ms;
    } else if (kind == "overflow") {
      if (value == "+") {
        f.overflow = Overflow::kPositive;
      } else if (value == "-") {
        f.overflow = Overflow::kNegative;
      } else {
        return bad;
      }
    } else if (kind == "notemp" && !has_value) {
      f.no_temperature = true;
    } else if (kind == "stale") {
      if (!has_value || value.empty()) return bad;
      f.stale_echo_of = std::string(value);
    } else if (kind == "every") {
      const auto n = number(1000000);
      if (!n || *n < 1) return bad;
      f.every = *n;
    } else if (kind == "once") {
      const auto n = number(1000000);
      if (!n || *n < 1) return bad;
      f.only_reply = *n;
    } else {
      return bad;
    }
  }
  return std::nullopt;
}

ParsedOptions ParseServerOptions(const std::vector<std::string>& args) {
  ServerOptions o;
  const auto fail = [](std::string message) { return ParsedOptions{std::nullopt, std::move(message)}; };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takes_value = arg == "--transmitter" || arg == "--fault" || arg == "--batch" ||
                             arg == "--turnaround" || arg == "--link" || arg == "--device" || arg == "--baud" ||
                             arg == "--manifold" || arg == "--error";
    if (takes_value && i + 1 >= args.size()) return fail(arg + " needs a value");
    const std::string value = takes_value ? args[++i] : std::string();

    if (arg == "--transmitter") {
      auto wanted = ParseTransmitter(value);
      if (!wanted)
        return fail("bad --transmitter \"" + value + "\" (want ADDR:BAUD[:VERSION], baud 1200..9600)");
      o.transmitters.push_back(*wanted);
    } else if (arg == "--fault") {
      auto wanted = ParseFault(value);
      if (!wanted) return fail("bad --fault \"" + value + "\" (want ADDR[@BAUD]:KIND[,KIND...])");
      o.faults.push_back(*wanted);
    } else if (arg == "--manifold") {
      o.manifold = ParseManifold(value);
      if (!o.manifold) return fail("bad --manifold \"" + value + "\" (want P[,P]...[@MS])");
    } else if (arg == "--error") {
      const std::optional<ErrorSpec> error = ParseError(value);
      if (!error) return fail("bad --error \"" + value + "\" (want ADDR:GAIN[:OFFSET], GAIN above 0)");
      o.errors.push_back(*error);
    } else if (arg == "--batch") {
      std::string why;
      auto entry = ParseBatchEntry(value, &why);
      if (!entry) return fail(why);
      o.batch.push_back(*entry);
    } else if (arg == "--turnaround") {
      const auto ms = Number(value, 10000);
      if (!ms) return fail("bad --turnaround \"" + value + "\" (milliseconds)");
      o.turnaround_ms = *ms;
    } else if (arg == "--link") {
      o.link = value;
    } else if (arg == "--device") {
      o.device = value;
    } else if (arg == "--baud") {
      const auto baud = Number(value, 4000000);
      if (!baud || *baud == 0) return fail("bad --baud \"" + value + "\"");
      o.device_baud = static_cast<int>(*baud);
    } else if (arg == "--verbose" || arg == "-v") {
      o.verbose = true;
    } else if (arg == "--echo") {
      o.adapter_echo = true;
    } else if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (arg == "--version") {
      o.version = true;
    } else {
      return fail("unknown option \"" + arg + "\"");
    }
  }
  if (!o.errors.empty() && !o.manifold) return fail("--error needs --manifold");
  if (!o.device.empty() && !o.link.empty())
    return fail("--link works with a pseudo-terminal only, not with --device");
  return ParsedOptions{o, {}};
}

std::string ServerUsage() {
  return "usage: simbus [options]\n"
         "Serves a simulated RS-485 transmitter bus on a pseudo-terminal and prints the\n"
         "slave's path on stdout. Runs until SIGINT or SIGTERM.\n"
         "\n"
         "  --transmitter ADDR:BAUD[:VERSION]  add a transmitter (repeatable; default: the\n"
         "                                     demo bus 01@9600 v2.00, 05@4800 v1.50,\n"
         "                                     12@1200 v2.10); BAUD 1200, 2400, 4800, 9600\n"
         "  --fault ADDR[@BAUD]:KIND[,KIND...] inject faults into the replies of ADDR:\n"
         "        silent  late=MS  badsum  lowercase  noise[=TEXT]  trailing[=TEXT]\n"
         "        split=N  gap=MS  overflow=+|-  notemp (RT0 answered without a value)\n"
         "        every=N (only every Nth reply; alone: every Nth reply is lost)\n"
         "        once=N (only the Nth reply; alone: that reply is lost)\n"
         "        stale=MNEMONIC (writes of it answered with the value held before)\n"
         "  --batch SERIAL[:KIND[,KIND...]]    a new transmitter at 01, 9600 baud (repeatable):\n"
         "        each stays until 01 is probed (AD) a second time, then the next takes its\n"
         "        place; KIND as for --fault\n"
         "  --manifold P[,P]...[@MS]  every transmitter reads one shared pressure, stepping\n"
         "                      through P... every MS ms (default 5000), then staying at the last\n"
         "  --error ADDR:GAIN[:OFFSET]  ADDR reads GAIN * pressure + OFFSET (with --manifold)\n"
         "  --turnaround MS     delay from request end to reply (default 3)\n"
         "  --link PATH         also make PATH a symlink to the slave\n"
         "  --device PATH       serve on a real serial port instead of a pty ...\n"
         "  --baud N            ... at this rate (default 9600)\n"
         "  --echo              the adapter echoes: every request comes back before its reply\n"
         "  --verbose, -v       trace frames and replies on stderr\n"
         "  --help, -h          this text\n"
         "  --version           print the version and exit\n";
}

std::unique_ptr<Bus> BuildServerBus(const ServerOptions& options, platform::Clock& clock,
                                    std::string* error) {
  BusOptions bus_options;
  if (options.turnaround_ms) bus_options.turnaround_us = std::uint64_t{*options.turnaround_ms} * 1000;
  bus_options.adapter_echo = options.adapter_echo;
  std::unique_ptr<Bus> bus;
  if (options.transmitters.empty() && options.batch.empty()) {
    bus = MakeDemoBus(clock, bus_options);
  } else {
    bus = std::make_unique<Bus>(clock, bus_options);
    for (const TransmitterSpec& wanted : options.transmitters) {
      TransmitterConfig config;
      config.address = wanted.address;
      config.baud = wanted.baud;
      config.version = wanted.version;
      config.settings.serial = "080000" + wanted.address;
      config.seed = static_cast<std::uint64_t>(std::stoi(wanted.address)) * 7919 + wanted.baud;
      bus->Add(std::move(config));
    }
    if (!options.batch.empty()) ConnectOneAfterAnother(*bus, options.batch);
  }
  for (const FaultSpec& wanted : options.faults) {
    bool matched = false;
    for (std::size_t i = 0; i < bus->size(); ++i) {
      Transmitter& t = bus->transmitter(i);
      if (t.address() != wanted.address || (wanted.baud != 0 && t.baud() != wanted.baud)) continue;
      ApplyFaultKinds(wanted.kinds, t.faults());
      matched = true;
    }
    if (!matched) {
      if (error) *error = "--fault names no transmitter: " + wanted.address;
      return nullptr;
    }
  }
  if (options.manifold) {
    if (std::optional<std::string> why = ConnectManifold(*bus, *options.manifold, options.errors)) {
      if (error) *error = std::move(*why);
      return nullptr;
    }
  }
  return bus;
}

}  // namespace simbus
