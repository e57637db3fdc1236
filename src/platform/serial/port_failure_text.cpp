#include "platform/serial/port_failure_text.h"

#include <cerrno>
#include <string>

namespace platform {

PortError OpenFailure(std::string_view device, int system_error) {
  const std::string path(device);
  switch (system_error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return {kErrDeviceUnavailable, "端口不存在：" + path + "。请检查串口设备是否已连接。", ""};
    case EACCES:
    case EPERM:
      // On Debian and its kin the serial devices belong to the group "dialout".
      return {kErrDeviceUnavailable,
              "没有使用端口的权限：" + path +
                  "。请把当前用户加入 dialout 组（sudo adduser $USER dialout），然后重新登录。",
              ""};
    case EBUSY:
      return {kErrDeviceBusy, "端口已被其他程序占用：" + path + "。请关闭占用它的程序，或选择其他端口。", ""};
    default:
      break;
  }
  std::string text = "无法打开端口：" + path;
  if (system_error != 0) text += "（系统错误 " + std::to_string(system_error) + "）";
  return {kErrDeviceUnavailable, text, ""};
}

PortError SettingsNotSupported(std::string_view device, std::string_view setting) {
  return {kErrInvalidSettings,
          "端口 " + std::string(device) + " 不支持" + std::string(setting) + "，请选择其他设置。", ""};
}

PortError DeviceFailed(int number, std::string_view device) {
  const char* doing = number == kErrWriteFailed ? "写入端口失败：" : "读取端口失败：";
  return {number, doing + std::string(device) + "。设备可能已拔出，或已被关闭。", ""};
}

}  // namespace platform
