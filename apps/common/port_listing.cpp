#include "apps/common/port_listing.h"

#include <optional>
#include <string>

#include "platform/text/json_writer.h"

namespace app {

namespace {

using platform::JsonObject;

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
    platform::WriteJsonLine(out, JsonObject()
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
    platform::WriteJsonLine(out, JsonObject()
                                     .AddNumber("port", n)
                                     .AddText("device", a.device())
                                     .AddText("options", a.target.OptionsText())
                                     .AddText("from", platform::PortSourceName(a.from)));
  }
}

void PrintTable(std::ostream& out, const platform::FoundDevices& devices, const platform::PortMap& map,
                const ui::Control& port_list) {
  out << "Serial devices:\n";
  if (devices.empty()) out << "  (none found)\n";
  for (const platform::FoundDevice& d : devices) {
    out << "  " << d.path;
    if (const std::string identity = d.Summary(); !identity.empty()) out << "  " << identity;
    out << '\n';
    if (!d.by_id.empty()) out << "    stable name: " << d.by_id << '\n';
  }
  out << "Ports:\n";
  for (int n = 1; n <= port_list.item_count(); ++n) {
    const platform::PortAssignment a = map.Resolve(n);
    out << "  " << port_list.item_text(n - 1) << "  " << a.target.ToText() << "  ("
        << platform::PortSourceName(a.from) << ")";
    // Which adapter that is, or that there is nothing behind the name (yet).
    if (!a.error.empty()) {
      out << "  unusable: " << a.error;
    } else if (a.target.kind == platform::DeviceKind::kTty) {
      const platform::DeviceLookup what = platform::LookUp(devices, a.device());
      if (what.found == nullptr) {
        out << "  " << (what.target.empty() ? "not found" : "→ " + what.target);
      } else if (const std::string summary = what.found->Summary(); !summary.empty()) {
        out << "  " << summary;
      }
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
