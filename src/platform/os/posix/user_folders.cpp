#include "platform/os/user_folders.h"

#include <cstdlib>

namespace platform::os {

std::string UserConfigFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return xdg;
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.config";
  return ".config";
}

}  // namespace platform::os
