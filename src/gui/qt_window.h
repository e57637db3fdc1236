#pragma once
// The real window: shows a ui::Window with Qt Widgets and runs the Qt event loop until
// the window closes. Every program's entry point calls this one function; the binding is
// generic (it walks the window's control table), never written per control.

#include <map>
#include <string>

#include "gui/tool_menu.h"
#include "platform/ui/window.h"

namespace gui {

struct RunOptions {
  // Non-empty: once the window is shown and loaded, save a PNG of it here and quit.
  std::string snapshot;
  // Windows of the front-end beside the program's own, reached from its menus.
  ToolMenu tools;
  // Non-empty: once the window is shown, open the tool window of this entry (with
  // --snapshot, the picture is then of the whole screen, tool window included).
  std::string open_tool;
  // Files given on the command line by their request's key ("profile"): taken in place
  // of the file dialog that would ask for them.
  std::map<std::string, std::string> files;
  // With `snapshot`: script lines run in the shown window before the picture (see
  // snapshot_steps.h).
  std::string snapshot_after;
};

// Needs a QApplication constructed by the caller. Loads the window (its load handler
// runs with the Qt services attached), shows it, and returns the exit status when the
// window has closed.
int RunQtWindow(ui::Window& window, const RunOptions& options = {});

// Installs the fonts the captions need: the CJK face for Chinese (WenQuanYi Micro Hei
// when present), so that it never falls back to glyphs of another language, behind a
// Western face for Latin text and symbols such as "℃". Called by RunQtWindow.
void UseChineseFont();

}  // namespace gui
