#pragma once
// The folders the system gives this user for a program's own files.

#include <string>

namespace platform::os {

// Where programs keep this user's settings: $XDG_CONFIG_HOME, else $HOME/.config, else
// ".config" in the current folder.
std::string UserConfigFolder();

}  // namespace platform::os
