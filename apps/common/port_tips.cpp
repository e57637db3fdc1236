#include "apps/common/port_tips.h"

namespace app {

void ShowDevicesInToolTips(ui::Control& port_list, const platform::PortMap& map) {
  for (int i = 0; i < port_list.item_count(); ++i)
    port_list.set_item_tool_tip(i, port_list.item_text(i) + " → " + map.DeviceFor(i + 1));
}

}  // namespace app
