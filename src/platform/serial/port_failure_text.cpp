#include "platform/serial/port_failure_text.h"

#include <cerrno>
#include <string>

#include "platform/ui/text_pattern.h"

namespace platform {

using ui::FillPattern;

std::vector<std::string_view> PortFailureTexts() {
  return {kNoDeviceText,
          kNoPermissionText,
          kDeviceBusyText,
          kCannotOpenText,
          kCannotOpenSystemErrorText,
          kSettingsNotSupportedText,
          kWriteFailedText,
          kReadFailedText,
          kPortNotOpenText,
          kPortAlreadyOpenText,
          kInvalidPortNumberText,
          kInvalidSettingsText,
          kInvalidHandshakeText,
          kUnreadableTargetText,
          kNoNetworkPortsText,
          kRs485RefusedText,
          kRs485UnsupportedReason,
          kSystemErrorReason,
          kEchoCollisionText,
          kEchoMissingText,
          kServerUnreachableText,
          kConnectionLostText,
          kDataBitsSetting,
          kStopBitsSetting,
          kLineSetting};
}

PortError OpenFailure(std::string_view device, int system_error) {
  const std::string path(device);
  switch (system_error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return {kErrDeviceUnavailable, FillPattern(kNoDeviceText, {path}), ""};
    case EACCES:
    case EPERM:
      // On Debian and its kin the serial devices belong to the group "dialout".
      return {kErrDeviceUnavailable, FillPattern(kNoPermissionText, {path}), ""};
    case EBUSY:
      return {kErrDeviceBusy, FillPattern(kDeviceBusyText, {path}), ""};
    default:
      break;
  }
  const std::string text =
      system_error == 0 ? FillPattern(kCannotOpenText, {path})
                        : FillPattern(kCannotOpenSystemErrorText, {path, std::to_string(system_error)});
  return {kErrDeviceUnavailable, text, ""};
}

PortError SettingsNotSupported(std::string_view device, std::string_view setting) {
  return {kErrInvalidSettings, FillPattern(kSettingsNotSupportedText, {device, setting}), ""};
}

PortError ServerUnreachable(std::string_view server, std::string_view reason) {
  return {kErrDeviceUnavailable, FillPattern(kServerUnreachableText, {server, reason}), ""};
}

PortError ConnectionLost(int number, std::string_view server) {
  return {number, FillPattern(kConnectionLostText, {server}), ""};
}

PortError DeviceFailed(int number, std::string_view device) {
  return {number, FillPattern(number == kErrWriteFailed ? kWriteFailedText : kReadFailedText, {device}), ""};
}

PortError Rs485Refused(std::string_view device, int system_error) {
  // A driver without the mode does not know the request (ENOTTY), or takes it for a
  // value it cannot do (EINVAL, EOPNOTSUPP).
  const bool unsupported = system_error == ENOTTY || system_error == EINVAL || system_error == EOPNOTSUPP;
  const std::string reason = unsupported ? std::string(kRs485UnsupportedReason)
                                         : FillPattern(kSystemErrorReason, {std::to_string(system_error)});
  return {kErrDeviceUnavailable, FillPattern(kRs485RefusedText, {device, reason}), ""};
}

}  // namespace platform
