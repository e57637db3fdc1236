#pragma once
// What the serial layer says when a device cannot be used: in the windows' own language,
// with the device's path, and in words that tell the user what to do about it.

#include <string_view>
#include <vector>

#include "platform/serial/port_error.h"

namespace platform {

// The texts below and those of SerialPort's own failures, as patterns (ui::FillPattern):
// %1 is the device path or the value given, %2 the system's error number or the setting.
inline constexpr std::string_view kNoDeviceText = "端口不存在：%1。请检查串口设备是否已连接。";
inline constexpr std::string_view kNoPermissionText =
    "没有使用端口的权限：%1。请把当前用户加入 dialout 组（sudo adduser $USER dialout），然后重新登录。";
inline constexpr std::string_view kDeviceBusyText =
    "端口已被其他程序占用：%1。请关闭占用它的程序，或选择其他端口。";
inline constexpr std::string_view kCannotOpenText = "无法打开端口：%1";
inline constexpr std::string_view kCannotOpenSystemErrorText = "无法打开端口：%1（系统错误 %2）";
inline constexpr std::string_view kSettingsNotSupportedText = "端口 %1 不支持%2，请选择其他设置。";
inline constexpr std::string_view kWriteFailedText = "写入端口失败：%1。设备可能已拔出，或已被关闭。";
inline constexpr std::string_view kReadFailedText = "读取端口失败：%1。设备可能已拔出，或已被关闭。";
inline constexpr std::string_view kPortNotOpenText = "端口未打开";
inline constexpr std::string_view kPortAlreadyOpenText = "端口已经打开";
inline constexpr std::string_view kInvalidPortNumberText = "端口号无效：%1";
inline constexpr std::string_view kInvalidSettingsText = "线路设置无效：“%1”";
inline constexpr std::string_view kInvalidHandshakeText = "握手方式无效：%1";
// Targets and their options (%1 the target's device, %2 what is wrong or the reason).
inline constexpr std::string_view kUnreadableTargetText = "端口映射“%1”无法使用：%2";
inline constexpr std::string_view kNoNetworkPortsText = "此版本不能连接网络端口：%1";
inline constexpr std::string_view kRs485RefusedText =
    "端口 %1 不能切换到 RS-485 模式：%2。请去掉 rs485 选项，或换用支持它的串口。";
inline constexpr std::string_view kRs485UnsupportedReason = "它的驱动没有这种模式（USB 转换器、伪终端）";
inline constexpr std::string_view kSystemErrorReason = "系统错误 %1";
inline constexpr std::string_view kEchoCollisionText = "总线冲突：%1 收回的回显与发出的不同（发出“%2”）。";
inline constexpr std::string_view kEchoMissingText = "回显不完整：%1 只收回了发出的“%2”的一部分。";

// A port behind a serial device server: %1 is the port as written ("rfc2217://host:4001"),
// %2 the network's reason.
inline constexpr std::string_view kServerUnreachableText =
    "无法连接到串口服务器 %1（%2）。请检查地址、端口号和网络。";
inline constexpr std::string_view kConnectionLostText =
    "与串口服务器 %1 的连接已断开。请检查网络和服务器，然后重新打开端口。";
// The settings a device cannot do, for SettingsNotSupported.
inline constexpr std::string_view kDataBitsSetting = "数据位 %1";
inline constexpr std::string_view kStopBitsSetting = "停止位 1.5";
inline constexpr std::string_view kLineSetting = "线路设置 %1";

// Every text above, for a front-end that shows the windows in another language.
std::vector<std::string_view> PortFailureTexts();

// Why `device` could not be opened, from the system's error number: it does not exist
// (ENOENT, ENODEV, ENXIO), the user may not use it (EACCES, EPERM), another program holds
// it (EBUSY), or anything else (0 when the number is unknown).
PortError OpenFailure(std::string_view device, int system_error);

// Line settings the device cannot do, named as the user chose them ("数据位 4"). Numbered
// like any other unusable settings, so that the programs show the text itself.
PortError SettingsNotSupported(std::string_view device, std::string_view setting);

// The driver of `device` refused kernel RS-485 mode with the system's error number.
PortError Rs485Refused(std::string_view device, int system_error);

// A serial device server that could not be reached, and why (the network's words).
PortError ServerUnreachable(std::string_view server, std::string_view reason);

// The connection to a serial device server broke while in use: the network's unplugged
// adapter. `number` is kErrReadFailed or kErrWriteFailed.
PortError ConnectionLost(int number, std::string_view server);

// The device failed while in use: unplugged, or the other side of a pseudo-terminal gone.
// `number` is kErrReadFailed or kErrWriteFailed.
PortError DeviceFailed(int number, std::string_view device);

}  // namespace platform
