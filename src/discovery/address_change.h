#pragma once

#include <string_view>

#include "discovery/bus_search.h"
#include "shell/main_window.h"

namespace discovery {

// The boxes that refuse a new address (titled kErrorTitle): one already in the list (a
// pattern: the address), and one that is no number from 1 to 99.
inline constexpr std::string_view kAddressTakenText = "地址 %1 已经存在,按“OK”键返回！";
inline constexpr std::string_view kAddressInvalidText = "地址设置参数错误，请重新输入！";
// After a confirmed change of speed on a port whose server keeps the line at one speed
// (a pattern: the new speed, the server's speed).
inline constexpr std::string_view kServerSpeedText =
    "变送器的波特率已改为 %1。串口服务器的线路固定为 %2 波特：请在服务器上也改为 %1，"
    "并把端口的 baud= 选项改为 %1，否则无法再与该变送器通讯。";

// Leaving TXT_ADDR: a number from 1 to 99 becomes two digits ("7" -> "07"); anything
// else (out of range, or not a number at all) is refused with a message and keeps the focus.
void TXT_ADDR_Validate(shell::MainWindow& main, bool& cancel);

// Moves the selected transmitter to the address in TXT_ADDR and the baud rate chosen in
// CMB_BAND, then writes the type code and serial number boxes back to it. Where the
// port's server keeps its line at one speed, a confirmed change of speed tells the user
// to set the server too.
void COM_ADDR_Click(shell::MainWindow& main);

}  // namespace discovery
