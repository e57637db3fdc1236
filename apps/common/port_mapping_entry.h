#pragma once
// The port-mapping window's menu entry as both programs add it: the port names are the
// port list's items, the devices Qt SerialPort finds; after a remapping the list's tool
// tips follow, then `after_remapping` runs (Dravon's port choice runs again).

#include <functional>
#include <vector>

#include "apps/common/port_wiring.h"
#include "gui/tool_menu.h"
#include "platform/ui/control.h"

namespace app {

gui::ToolItem PortMappingEntry(PortWiring& wiring, ui::Control& port_list,
                               std::function<void(const std::vector<int>& remapped)> after_remapping = {});

}  // namespace app
