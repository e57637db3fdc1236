#pragma once
// The bus search keeps no flag of its own: the caption of cmdSEARCH is its running flag.

#include <string_view>

#include "shell/main_window.h"

namespace shell {

inline constexpr std::string_view kSearchIdleCaption = "搜索变送器";
inline constexpr std::string_view kSearchRunningCaption = "停止";

inline bool SearchIsRunning(MainWindow& m) { return m["cmdSEARCH"].caption() == kSearchRunningCaption; }

}  // namespace shell
