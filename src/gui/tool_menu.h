#pragma once
// Windows of the front-end beside the program's own window (port mapping, traffic
// monitor, measurement chart), opened from menu entries that the front-end adds. They are
// not controls of the window model: the headless mode and its scripts never see them,
// and the program's own controls stay where they are.

#include <QtGlobal>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace gui {

class WindowView;

// The translation context of the captions below: mark a caption for the translation
// files with QT_TRANSLATE_NOOP("gui::ToolMenu", "…"); the menu shows it translated.
inline constexpr char kToolMenuContext[] = "gui::ToolMenu";

struct ToolItem {
  std::string name;     // the menu entry's object name, for tests and the --open option
  std::string caption;  // in the program's own language, like every other text it shows
  // Opens the tool window, or raises it when it is already open. `main_window` is the
  // program's window: the tool window's parent, so it closes with it.
  std::function<void(QWidget& main_window)> open;
};

struct ToolMenu {
  // The model's menu the entries go into, before its item `before` (Dravon's 选项 menu,
  // before its separator). Empty: the window has no menu of its own (Pemliq), and the
  // entries go into a menu of the front-end captioned `caption`.
  std::string menu;
  std::string before;
  std::string caption = QT_TRANSLATE_NOOP("gui::ToolMenu", "工具(&T)");
  std::vector<ToolItem> items;
};

// Adds the entries to the window's menus; each opens its tool window when triggered.
void AddToolMenu(WindowView& view, const ToolMenu& tools);

// Triggers the entry named `name`, or else the window's own menu item of that name;
// false when there is neither.
bool OpenTool(WindowView& view, const std::string& name);

}  // namespace gui
