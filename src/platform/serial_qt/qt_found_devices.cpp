#include "platform/serial_qt/qt_found_devices.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <string>
#include <utility>

namespace platform {

namespace {

// "/dev/ttyS10" as ("/dev/ttyS", 10): ttyS2 sorts before ttyS10.
std::pair<std::string, long> NaturalKey(const std::string& path) {
  const std::size_t digits = path.find_last_not_of("0123456789") + 1;
  const std::string number = path.substr(digits);
  return {path.substr(0, digits), number.empty() || number.size() > 9 ? -1 : std::stol(number)};
}

}  // namespace

FoundDevices FindQtSerialDevices() {
  FoundDevices found;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    FoundDevice device;
    device.path = info.systemLocation().toStdString();
    device.by_id = StableLinkFor(device.path);
    device.description = info.description().toStdString();
    device.manufacturer = info.manufacturer().toStdString();
    device.serial_number = info.serialNumber().toStdString();
    if (info.hasVendorIdentifier()) device.vid = info.vendorIdentifier();
    if (info.hasProductIdentifier()) device.pid = info.productIdentifier();
    found.push_back(std::move(device));
  }
  // Qt lists them in the order the system does; a user reads them best by name and number.
  std::sort(found.begin(), found.end(), [](const FoundDevice& a, const FoundDevice& b) {
    return NaturalKey(a.path) < NaturalKey(b.path);
  });
  return found;
}

}  // namespace platform
