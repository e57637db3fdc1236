#pragma once
// Start-up, the background click and shut-down of the main window, and the port choice.

#include <optional>
#include <string_view>

#include "shell/main_window.h"

namespace shell {

// The status bar's first panel after start-up.
inline constexpr std::string_view kStartHint = "按“搜索变送器”键，开始搜索在线变送器！";

// Attaches Form_Load, Form_Click, Form_QueryUnload, COM_QUIT_Click, Exit_Click and
// cmbCommPort_Click.
void AttachShellHandlers(MainWindow& main);

// The stored port as start-up reads it: "3", " 3 " or "3.0" gives list index 2; nothing
// stored, text that is not a number, or a number outside the list gives none.
std::optional<int> StoredPortIndex(std::string_view stored, int item_count);

}  // namespace shell
