#pragma once
// The port-mapping window: for each port number of the program's port list, the device
// it maps to, chosen from the devices the machine has (with their descriptions) or typed,
// and stored in the settings store (section Ports, key COMn: the key --port overrides for
// one run). A device with a stable /dev/serial/by-id link is stored by that link, so a
// USB adapter keeps its port number when it is replugged elsewhere. It is a tool window:
// the window model and its scripts never see it.

#include <functional>
#include <string>
#include <vector>

#include "gui/tool_menu.h"
#include "platform/serial/found_device.h"
#include "platform/serial/port_map.h"

namespace gui {

struct PortMappingSetup {
  platform::PortMap* map = nullptr;
  // The port list's item texts: item i stands for port number i + 1.
  std::vector<std::string> port_names;
  std::function<platform::FoundDevices()> find_devices;
  // After OK, with the port numbers whose device changed (never called with none).
  std::function<void(const std::vector<int>& remapped)> on_remapped;
};

// The tool entry "portMapping" that opens the window.
ToolItem PortMappingTool(PortMappingSetup setup);

}  // namespace gui
