#include "platform/program_options.h"

#include <charconv>

namespace platform {

namespace {

// "N=DEVICE" with N a whole number from 1 and a non-empty device.
bool ParsePortMapping(const std::string& text, ProgramOptions& options) {
  const std::size_t eq = text.find('=');
  if (eq == std::string::npos || eq == 0 || eq + 1 == text.size()) return false;
  int n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + eq, n);
  if (ec != std::errc() || end != text.data() + eq || n < 1) return false;
  options.ports[n] = text.substr(eq + 1);
  return true;
}

}  // namespace

void ProgramOptions::ApplyTo(PortMap& map) const {
  if (simulate) map.MapEverythingTo(kSimulatedDevice);
  for (const auto& [n, device] : ports) map.Map(n, device);
}

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--headless") {
      options.headless = true;
    } else if (arg == "--simulate") {
      options.simulate = true;
    } else if (arg == "--snapshot") {
      if (i + 1 >= args.size()) {
        options.error = "--snapshot needs a file name";
        return options;
      }
      options.snapshot = args[++i];
    } else if (arg == "--log") {
      if (i + 1 >= args.size()) {
        options.error = "--log needs a file name";
        return options;
      }
      options.log = args[++i];
    } else if (arg == "--open") {
      if (i + 1 >= args.size()) {
        options.error = "--open needs the name of a tool window";
        return options;
      }
      options.open_tool = args[++i];
    } else if (arg == "--port" || arg.rfind("--port=", 0) == 0) {
      std::string value;
      if (arg == "--port") {
        if (i + 1 >= args.size()) {
          options.error = "--port needs N=DEVICE";
          return options;
        }
        value = args[++i];
      } else {
        value = arg.substr(7);
      }
      if (!ParsePortMapping(value, options)) {
        options.error = "--port needs N=DEVICE with N a port number from 1, got \"" + value + "\"";
        return options;
      }
    } else {
      options.error = "unknown option \"" + arg + "\"";
      return options;
    }
  }
  return options;
}

ProgramOptions ParseProgramOptions(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return ParseProgramOptions(args);
}

}  // namespace platform
