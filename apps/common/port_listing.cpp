#include "apps/common/port_listing.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/ui/headless/json_writer.h"

namespace app {

namespace {

using ui::headless::JsonObject;

std::optional<std::string> UsbId(const std::optional<std::uint16_t>& id) {
  if (!id) return std::nullopt;
  return platform::UsbIdText(*id);
}

std::optional<std::string> TextOrNull(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return text;
}

void PrintJson(std::ostream& out, const platform::FoundDevices& devices, const platform::PortMap& map,
               const ui::Control& port_list) {
  for (const platform::FoundDevice& d : devices) {
    ui::headless::WriteLine(out, JsonObject()
                                     .AddText("device", d.path)
                                     .AddTextOrNull("by_id", TextOrNull(d.by_id))
                                     .AddText("description", d.description)
                                     .AddText("manufacturer", d.manufacturer)
                                     .AddText("serial", d.serial_number)
                                     .AddTextOrNull("vid", UsbId(d.vid))
                                     .AddTextOrNull("pid", UsbId(d.pid)));
  }
  for (int n = 1; n <= port_list.item_count(); ++n) {
    const platform::PortAssignment a = map.Resolve(n);
    ui::headless::WriteLine(out, JsonObject()
                                     .AddNumber("port", n)
                                     .AddText("device", a.device)
                                     .AddText("from", platform::PortSourceName(a.from)));
  }
}

// "FT232R USB UART, FTDI, serial A50285BI, USB 0403:6001": what is known, in that order.
std::string Identity(const platform::FoundDevice& d) {
  std::string text;
  auto add = [&text](const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += ", ";
    text += part;
  };
  add(d.description);
  add(d.manufacturer);
  if (!d.serial_number.empty()) add("serial " + d.serial_number);
  if (d.vid && d.pid) add("USB " + platform::UsbIdText(*d.vid) + ":" + platform::UsbIdText(*d.pid));
  return text;
}

void PrintTable(std::ostream& out, const platform::FoundDevices& devices, const platform::PortMap& map,
                const ui::Control& port_list) {
  out << "Serial devices:\n";
  if (devices.empty()) out << "  (none found)\n";
  for (const platform::FoundDevice& d : devices) {
    out << "  " << d.path;
    if (const std::string identity = Identity(d); !identity.empty()) out << "  " << identity;
    out << '\n';
    if (!d.by_id.empty()) out << "    stable name: " << d.by_id << '\n';
  }
  out << "Ports:\n";
  for (int n = 1; n <= port_list.item_count(); ++n) {
    const platform::PortAssignment a = map.Resolve(n);
    out << "  " << port_list.item_text(n - 1) << "  " << a.device << "  (" << platform::PortSourceName(a.from)
        << ")";
    // Which adapter that is, or that there is nothing behind the name (yet).
    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [&a](const platform::FoundDevice& d) { return d.IsNamedBy(a.device); });
    if (found != devices.end()) {
      if (const std::string identity = Identity(*found); !identity.empty()) out << "  " << identity;
    } else if (a.device != platform::kSimulatedDevice) {
      out << "  not found";
    }
    out << '\n';
  }
}

}  // namespace

void PrintPortList(std::ostream& out, const platform::FoundDevices& devices, const platform::PortMap& map,
                   const ui::Control& port_list, bool json) {
  if (json) {
    PrintJson(out, devices, map, port_list);
  } else {
    PrintTable(out, devices, map, port_list);
  }
  out.flush();
}

}  // namespace app
