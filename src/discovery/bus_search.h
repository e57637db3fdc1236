#pragma once

#include <string>
#include <string_view>

#include "shell/main_window.h"

namespace discovery {

// What the search shows: the status bar's panels while it runs and when it ends
// (patterns, see ui::FillPattern), and the box for a port that is not open.
inline constexpr std::string_view kProbingText = "正在搜索变送器：%1";  // the address
// The same, once a close of the window was refused during this search: it says why.
inline constexpr std::string_view kProbingCloseRefusedText =
    "正在搜索变送器：%1（搜索时不能关闭窗口，请先停止搜索）";
// The count, after the blank that a positive number's sign leaves ("在线变送器 2个").
inline constexpr std::string_view kFoundText = "在线变送器 %1个";
inline constexpr std::string_view kNoneFoundText = "在线变送器0个";
inline constexpr std::string_view kPortText = "串口:COM%1";  // the port number
inline constexpr std::string_view kBaudText = "波特率:%1";   // the rate, or nothing
inline constexpr std::string_view kSearchDoneText = "变送器搜索完毕";
inline constexpr std::string_view kPortClosedText = "端口未选择或未打开！";
inline constexpr std::string_view kErrorTitle = "错误";

// The search button: every address 01..99 at 9600, 4800, 2400 and 1200 baud (only the
// server's speed on a port whose server keeps one speed); a second press stops it, and so
// does closing its port (退出). Window events run once before each probed address. The
// first transmitter found is selected (and read) only while the port is still open.
void cmdSEARCH_Click(shell::MainWindow& main);

// What every bus-wide job does first: the bus poll lets go of the port and the selected
// transmitter's polling stops.
void StopPolling(shell::MainWindow& main);

// Looks at one address and baud rate (an index into CMB_BAND) only, as the search probes
// it: when a transmitter answers there, the found list holds it alone and it is selected
// (and read); otherwise the list is left empty. The port must be open.
bool SearchOneAddress(shell::MainWindow& main, const std::string& address, int band_index);

}  // namespace discovery
