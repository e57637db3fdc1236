#pragma once
// A file the user is asked for from a menu item of the main window (a settings file, a
// check plan, a certificate): the dialog starts at the last file chosen for the same
// kind, and the choice is remembered in the settings store (section "Files", one key per
// kind) for the next time. The headless mode answers from --KEY FILE.

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/file_choice.h"
#include "shell/main_window.h"

namespace shell {

// Nothing when the user chose none.
std::optional<std::string> AskForFile(MainWindow& main, ui::FilePurpose purpose, std::string_view key,
                                      std::string_view title, std::string_view filter);

}  // namespace shell
