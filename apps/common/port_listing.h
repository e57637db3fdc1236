#pragma once
// --list-ports: the machine's serial devices, then what each port number of the
// program's port list maps to now and why. A table for people; JSON Lines (one device a
// line, then one port a line) for scripts, with --headless.

#include <ostream>

#include "platform/serial/found_device.h"
#include "platform/serial/port_map.h"
#include "platform/ui/control.h"

namespace app {

// `port_list` is the window's port list ("com1" to "com6" in Dravon, "Com1" to "Com4" in
// Pemliq): in both programs its item at position i stands for port number i + 1.
void PrintPortList(std::ostream& out, const platform::FoundDevices& devices, const platform::PortMap& map,
                   const ui::Control& port_list, bool json);

}  // namespace app
