#include "platform/serial/found_device.h"

#include <cstdio>

#include "platform/os/file_system.h"

namespace platform {

std::string StableLinkFor(const std::string& path, const std::string& folder) {
  const std::string device = os::ResolvedPath(path);
  if (device.empty()) return "";
  // Several links may lead to one device; the first in name order is kept, so the
  // choice does not depend on the order the folder lists them in.
  for (const std::string& link : os::FolderEntries(folder)) {
    if (os::ResolvedPath(link) == device) return link;
  }
  return "";
}

std::string FoundDevice::Summary() const {
  std::string text;
  auto add = [&text](const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += ", ";
    text += part;
  };
  add(description);
  add(manufacturer);
  if (!serial_number.empty()) add("serial " + serial_number);
  if (vid && pid) add("USB " + UsbIdText(*vid) + ":" + UsbIdText(*pid));
  return text;
}

DeviceLookup LookUp(const FoundDevices& devices, const std::string& device) {
  for (const FoundDevice& d : devices) {
    if (d.IsNamedBy(device)) return {&d, ""};
  }
  return {nullptr, os::ResolvedPath(device)};
}

std::string UsbIdText(std::uint16_t id) {
  char text[5];
  std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(id));
  return text;
}

}  // namespace platform
