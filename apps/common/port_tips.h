#pragma once
// What "com1" means is never hidden: each item of a window's port list carries, as its
// tool tip, the device its port number maps to now ("com1 → /dev/serial/by-id/usb-…").
// In both programs the item at position i stands for port number i + 1.

#include "platform/serial/port_map.h"
#include "platform/ui/control.h"

namespace app {

void ShowDevicesInToolTips(ui::Control& port_list, const platform::PortMap& map);

}  // namespace app
