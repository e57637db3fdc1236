#pragma once
// The command line both programs share:
//   PROGRAM [--headless] [--simulate] [--port N=DEVICE]...

#include <map>
#include <string>
#include <vector>

#include "platform/serial/port_map.h"

namespace platform {

struct ProgramOptions {
  bool headless = false;
  bool simulate = false;
  std::map<int, std::string> ports;  // --port N=DEVICE
  std::string error;                  // non-empty: the options are unusable (exit status 2)

  void ApplyTo(PortMap& map) const;
};

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args);
ProgramOptions ParseProgramOptions(int argc, char** argv);

}  // namespace platform
