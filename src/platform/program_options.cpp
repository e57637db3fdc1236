#include "platform/program_options.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "platform/version.h"

namespace platform {

namespace {

// A switch: sets its flag.
template <bool ProgramOptions::*flag>
std::string SetFlag(ProgramOptions& o, const std::string&) {
  o.*flag = true;
  return {};
}

// An option with a text (a file name): keeps the text.
template <std::string ProgramOptions::*field>
std::string SetText(ProgramOptions& o, const std::string& text) {
  o.*field = text;
  return {};
}

// "N=TARGET" with N a whole number from 1 and a target that reads (port_target.h).
std::string AddPortMapping(ProgramOptions& o, const std::string& text) {
  const std::string bad = "--port needs N=TARGET with N a port number from 1, got \"" + text + "\"";
  const std::size_t eq = text.find('=');
  if (eq == std::string::npos || eq == 0 || eq + 1 == text.size()) return bad;
  int n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + eq, n);
  if (ec != std::errc() || end != text.data() + eq || n < 1) return bad;
  const std::string target = text.substr(eq + 1);
  if (const PortTargetParse parsed = ParsePortTarget(target); !parsed.target)
    return "--port " + std::to_string(n) + "=" + target + ": " + parsed.error;
  o.ports[n] = target;
  return {};
}

// "zh" or "en": the languages the windows can show.
std::string SetLanguage(ProgramOptions& o, const std::string& text) {
  if (text != "zh" && text != "en") return "--lang needs zh or en, got \"" + text + "\"";
  o.language = text;
  return {};
}

// A file the headless mode takes in place of a file dialog, kept under the option's key.
template <const std::string_view& key>
std::string SetFile(ProgramOptions& o, const std::string& file) {
  o.files[std::string(key)] = file;
  return {};
}
std::string AddBatchTransmitter(ProgramOptions& o, const std::string& text) {
  o.simulated_batch.push_back(text);
  return {};
}

constexpr std::string_view kProfileKey = "profile";
constexpr std::string_view kReportKey = "report";
constexpr std::string_view kCheckKey = "check";
constexpr std::string_view kCertificateKey = "certificate";
constexpr std::string_view kCheckLogKey = "check-log";

constexpr std::array kOptionTable{
    OptionRow{"--headless", "", "run without a window: commands on standard input, JSON lines out", kForBoth,
              SetFlag<&ProgramOptions::headless>},
    OptionRow{"--simulate", "", "map every port number to the built-in simulated transmitter bus", kForBoth,
              SetFlag<&ProgramOptions::simulate>},
    OptionRow{"--simulate-batch", "SERIAL[:FAULTS]",
              "like --simulate, but the bus holds new transmitters that come one after another at 01, "
              "9600 baud, for the production station; FAULTS as simbus --fault takes them; repeatable",
              kForDravon, AddBatchTransmitter},
    OptionRow{"--port", "N=TARGET",
              "port number N is TARGET for this run: DEVICE[,OPTION]... with DEVICE a tty path, sim, "
              "tcp://HOST:PORT or rfc2217://HOST:PORT, OPTION echo=auto|on|off, rs485[=rts-low], baud=N; "
              "repeatable",
              kForBoth, AddPortMapping},
    OptionRow{"--sim-bus", "\"ARGS\"",
              "the built-in simulated bus as the simbus program's options give it (--transmitter, --fault, "
              "--batch, --manifold, --error, --turnaround, --echo)",
              kForBoth, SetText<&ProgramOptions::sim_bus>},
    OptionRow{"--snapshot", "FILE.png", "save a picture of the window once it is shown, then quit", kForBoth,
              SetText<&ProgramOptions::snapshot>},
    OptionRow{"--open", "TOOL",
              "open the tool window TOOL, or click the window's menu item TOOL, once the window is shown "
              "(with --snapshot: whole screen)",
              kForBoth, SetText<&ProgramOptions::open_tool>},
    OptionRow{"--snapshot-after", "STEPS",
              "with --snapshot: first run these script lines in the window, separated by ';' "
              "(click NAME, choose NAME N, type NAME TEXT, background, wait MS)",
              kForBoth, SetText<&ProgramOptions::snapshot_after>},
    OptionRow{"--lang", "zh|en", "the real window's language for this run (headless output stays Chinese)",
              kForBoth, SetLanguage},
    OptionRow{"--profile", "FILE",
              "the settings file that mnuSaveProfile writes and mnuApplyProfile and mnuStation apply, "
              "in place of the file dialog",
              kForDravon, SetFile<kProfileKey>},
    OptionRow{
        "--report", "FILE",
        "the CSV report that mnuApplyProfile and mnuStation append rows to, in place of the file dialog",
        kForDravon, SetFile<kReportKey>},
    OptionRow{"--check", "FILE", "the check plan that mnuCheck runs, in place of the file dialog", kForDravon,
              SetFile<kCheckKey>},
    OptionRow{"--certificate", "FILE.pdf", "the PDF certificate that mnuCheck writes, in place of the file dialog",
              kForDravon, SetFile<kCertificateKey>},
    OptionRow{"--check-log", "FILE.csv",
              "the CSV check log that mnuCheck appends a row a point to, in place of the file dialog", kForDravon,
              SetFile<kCheckLogKey>},
    OptionRow{"--trace", "FILE", "append every record of the ports' traffic to FILE as JSON Lines", kForBoth,
              SetText<&ProgramOptions::trace>},
    OptionRow{"--log", "FILE", "append every measurement reading to FILE as CSV", kForDravon,
              SetText<&ProgramOptions::log>},
    OptionRow{"--list-ports", "",
              "print the serial devices found and what each port number maps to, then exit", kForBoth,
              SetFlag<&ProgramOptions::list_ports>},
    OptionRow{"--help", "", "print these options and exit", kForBoth, SetFlag<&ProgramOptions::help>},
    OptionRow{"--version", "", "print the version and exit", kForBoth, SetFlag<&ProgramOptions::version>},
};

struct ProgramInfo {
  Program program;
  std::string_view name;
  std::string_view purpose;
};

constexpr std::array kPrograms{
    ProgramInfo{Program::kDravon, "dravon",
                "Configures smart pressure transmitters on an RS-485 bus: search, read, set up, measure."},
    ProgramInfo{
        Program::kPemliq, "pemliq",
        "Tests a serial link: sends typed text, or checksummed request frames, and checks the replies."},
};

const ProgramInfo& InfoOf(Program program) {
  return *std::find_if(kPrograms.begin(), kPrograms.end(),
                       [program](const ProgramInfo& info) { return info.program == program; });
}

// The row named `name`, whichever program it is for; null when there is none.
const OptionRow* FindRow(std::string_view name) {
  const auto row = std::find_if(kOptionTable.begin(), kOptionTable.end(),
                                [name](const OptionRow& r) { return r.name == name; });
  return row == kOptionTable.end() ? nullptr : &*row;
}

std::string Usage(Program program) {
  return "usage: " + std::string(ProgramName(program)) + " [OPTION]...\n";
}

}  // namespace

bool OptionRow::AppliesTo(Program program) const {
  const unsigned bit = program == Program::kDravon ? kForDravon : kForPemliq;
  return (programs & bit) != 0;
}

std::span<const OptionRow> ProgramOptionTable() { return kOptionTable; }

void ProgramOptions::ApplyTo(PortMap& map) const {
  if (simulate || !simulated_batch.empty()) map.MapEverythingTo(*ParsePortTarget(kSimulatedDevice).target);
  // Each was read when it was given, so it reads again.
  for (const auto& [n, text] : ports)
    if (std::optional<PortTarget> target = ParsePortTarget(text).target) map.Map(n, std::move(*target));
}

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args, Program program) {
  ProgramOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::size_t eq = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, eq);
    const OptionRow* row = FindRow(name);
    if (row == nullptr) {
      options.error = "unknown option \"" + arg + "\"";
      return options;
    }
    if (!row->AppliesTo(program)) {
      options.error = name + " is not an option of " + std::string(ProgramName(program));
      return options;
    }
    std::string value;
    if (row->argument.empty()) {
      if (eq != std::string::npos) {
        options.error = name + " takes no value";
        return options;
      }
    } else if (eq != std::string::npos) {
      value = arg.substr(eq + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      options.error = name + " needs " + std::string(row->argument);
      return options;
    }
    options.error = row->store(options, value);
    if (!options.error.empty()) return options;
  }
  return options;
}

ProgramOptions ParseProgramOptions(int argc, char** argv, Program program) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return ParseProgramOptions(args, program);
}

std::string_view ProgramName(Program program) { return InfoOf(program).name; }

std::string ProgramHelp(Program program) {
  const auto shown = [](const OptionRow& row) {
    return std::string(row.name) + (row.argument.empty() ? "" : " " + std::string(row.argument));
  };
  std::size_t width = 0;
  for (const OptionRow& row : kOptionTable)
    if (row.AppliesTo(program)) width = std::max(width, shown(row).size());

  std::string text = Usage(program) + std::string(InfoOf(program).purpose) + "\n\n";
  for (const OptionRow& row : kOptionTable) {
    if (!row.AppliesTo(program)) continue;
    const std::string left = shown(row);
    text += "  " + left + std::string(width - left.size() + 2, ' ') + std::string(row.description) + "\n";
  }
  text += "\nThe manual page " + std::string(ProgramName(program)) + "(1) tells more.\n";
  return text;
}

std::string ProgramVersion(Program program) {
  return std::string(ProgramName(program)) + " " + std::string(kVersion) + "\n";
}

std::optional<int> AnswerWithoutRunning(const ProgramOptions& options, Program program, std::ostream& out,
                                        std::ostream& err) {
  if (!options.error.empty()) {
    err << ProgramName(program) << ": " << options.error << "\n"
        << Usage(program) << "Try '" << ProgramName(program) << " --help' for the options.\n";
    return 2;
  }
  if (options.help) {
    out << ProgramHelp(program);
    return 0;
  }
  if (options.version) {
    out << ProgramVersion(program);
    return 0;
  }
  return std::nullopt;
}

}  // namespace platform
