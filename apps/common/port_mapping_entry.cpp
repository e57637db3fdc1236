#include "apps/common/port_mapping_entry.h"

#include "apps/common/port_tips.h"
#include "gui/port_mapping_dialog.h"
#include "platform/serial_qt/qt_found_devices.h"

namespace app {

gui::ToolItem PortMappingEntry(PortWiring& wiring, ui::Control& port_list,
                               std::function<void(const std::vector<int>& remapped)> after_remapping) {
  gui::PortMappingSetup setup;
  setup.map = &wiring.map();
  for (const ui::ListItem& item : port_list.items()) setup.port_names.push_back(item.text);
  setup.find_devices = platform::FindQtSerialDevices;
  setup.on_remapped = [&wiring, &port_list,
                       after = std::move(after_remapping)](const std::vector<int>& remapped) {
    ShowDevicesInToolTips(port_list, wiring.map());
    if (after) after(remapped);
  };
  return gui::PortMappingTool(std::move(setup));
}

}  // namespace app
