#pragma once
// The folder file dialogs open in: the one the user last chose a file in, in any dialog
// of the program, kept in the settings store from one run to the next. A dialog that
// opened in the program's working folder every time made the user walk back to their
// files again and again.

#include <QString>
#include <string>
#include <string_view>

#include "platform/settings/settings_store.h"

namespace gui {

// Where the settings store keeps the folder, under the program's application name.
inline constexpr std::string_view kLastFolderSection = "Window";
inline constexpr std::string_view kLastFolderKey = "LastFolder";

// Reads the folder kept for `app` and keeps every new choice there. Without this call the
// folder is remembered for the run only.
void KeepLastFolderIn(platform::SettingsStore& store, std::string app);

// The start of a file dialog for the file name `suggested` (empty for none): the name in
// the last folder; a path of its own stays as it is.
QString DialogStart(const QString& suggested = QString());

// Notes the folder of a chosen file; nothing for an empty path (the dialog was cancelled).
void NoteChosenFile(const QString& path);

}  // namespace gui
