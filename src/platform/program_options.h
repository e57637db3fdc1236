#pragma once
// The command line both programs share:
//   PROGRAM [--headless] [--simulate] [--port N=DEVICE]... [--snapshot FILE.png]
// --snapshot makes the real window save a picture of itself once it is shown, then quit
// (for the README's screenshots). --open NAME opens a tool window beside the real window
// once it is shown (with --snapshot, the picture is then of the whole screen).

#include <map>
#include <string>
#include <vector>

#include "platform/serial/port_map.h"

namespace platform {

struct ProgramOptions {
  bool headless = false;
  bool simulate = false;
  std::map<int, std::string> ports;  // --port N=DEVICE
  std::string snapshot;              // --snapshot FILE
  std::string open_tool;             // --open NAME
  std::string log;                   // --log FILE: Dravon's measurement readings as CSV
  std::string error;                 // non-empty: the options are unusable (exit status 2)

  void ApplyTo(PortMap& map) const;
};

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args);
ProgramOptions ParseProgramOptions(int argc, char** argv);

}  // namespace platform
