#include "platform/serial/found_device.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform {

std::string StableLinkFor(const std::string& path, const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path device = fs::canonical(path, error);
  if (error) return "";
  std::string found;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    std::error_code link_error;
    const fs::path target = fs::canonical(entry.path(), link_error);
    // Several links may lead to one device; the first in name order is kept, so the
    // choice does not depend on the order the folder lists them in.
    if (!link_error && target == device && (found.empty() || entry.path().string() < found))
      found = entry.path().string();
  }
  return found;
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
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(device, error);
  return {nullptr, error ? "" : target.string()};
}

std::string UsbIdText(std::uint16_t id) {
  char text[5];
  std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(id));
  return text;
}

}  // namespace platform
