#pragma once
// The command line both programs share, read from one table of options (kOptionTable in
// program_options.cpp): a row gives an option's name, its argument, its line in --help and
// the programs it applies to, and stores its value. Adding an option is adding a row.
//
// --snapshot makes the real window save a picture of itself once it is shown, then quit
// (for the README's screenshots). --open NAME opens a tool window beside the real window
// (or clicks a menu item of it) once it is shown (with --snapshot, the picture is then of the whole screen).
// --profile FILE, --report FILE, --check FILE, --certificate FILE.pdf and --check-log
// FILE.csv (Dravon) name the files that both modes take in place of file dialogs, by the
// key after "--". --sim-bus "ARGS" describes the built-in simulated bus with the simbus
// program's options.

#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/serial/port_map.h"

namespace platform {

enum class Program { kDravon, kPemliq };

struct ProgramOptions {
  bool headless = false;
  bool simulate = false;
  // --simulate-batch SERIAL[:FAULTS]: new transmitters one after another on the built-in
  // bus (in place of its demo transmitters); implies --simulate. Read by the simulator.
  std::vector<std::string> simulated_batch;
  std::map<int, std::string> ports;  // --port N=TARGET: each a target that reads
  std::string snapshot;              // --snapshot FILE
  std::string open_tool;             // --open NAME
  std::string snapshot_after;        // --snapshot-after STEPS: what the window does before the picture
  std::string trace;                 // --trace FILE: every record of the ports' traffic, appended
  std::string log;                   // --log FILE: Dravon's measurement readings as CSV
  bool list_ports = false;           // --list-ports: print the devices and the port mapping, then exit
  std::string language;              // --lang zh|en: the real window's language; empty: not given
  std::string sim_bus;               // --sim-bus "ARGS": the built-in simulated bus, as simbus's options
  std::map<std::string, std::string> files;  // --profile FILE, --report FILE, by key ("profile")
  bool help = false;                         // --help: print the options and exit
  bool version = false;                      // --version: print the version and exit
  std::string error;                         // non-empty: the options are unusable (exit status 2)

  void ApplyTo(PortMap& map) const;
};

// Which programs take an option (a bit per Program).
enum ForPrograms : unsigned {
  kForDravon = 1u << 0,
  kForPemliq = 1u << 1,
  kForBoth = kForDravon | kForPemliq
};

struct OptionRow {
  std::string_view name;         // "--port"
  std::string_view argument;     // "N=DEVICE"; empty for a switch
  std::string_view description;  // one line of --help
  unsigned programs;             // ForPrograms bits
  // Stores the option (its argument in `value`); the error text, or empty when taken.
  std::string (*store)(ProgramOptions& options, const std::string& value);

  bool AppliesTo(Program program) const;
};

std::span<const OptionRow> ProgramOptionTable();

// Dravon takes every shared option, so it is the default reader.
ProgramOptions ParseProgramOptions(const std::vector<std::string>& args, Program program = Program::kDravon);
ProgramOptions ParseProgramOptions(int argc, char** argv, Program program);

std::string_view ProgramName(Program program);  // "dravon", as the command is called
std::string ProgramHelp(Program program);       // --help: usage line, what it does, the options
std::string ProgramVersion(Program program);    // --version: "dravon 0.1"

// Answers what the command line asks before anything starts: unusable options (a message
// and the usage on `err`, exit status 2), --help and --version (on `out`, exit status 0).
// Empty when the program should go on and run.
std::optional<int> AnswerWithoutRunning(const ProgramOptions& options, Program program, std::ostream& out,
                                        std::ostream& err);

}  // namespace platform
