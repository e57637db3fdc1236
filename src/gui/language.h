#pragma once
// The language of the real window: chosen for one run with --lang, else the choice the
// user made in the window (kept in the settings store), else the system's when it is
// English, else the program's own, Chinese. English comes from the program's compiled
// translation (<program>_en.qm) in the data folder's translations (gui::DataDirectory():
// the installed program's share/dravon, or the build folder's when run from there).

#include <string>
#include <string_view>
#include <vector>

#include "gui/tool_menu.h"

class QTranslator;
#include "platform/settings/settings_store.h"

namespace gui {

inline constexpr std::string_view kChinese = "zh";
inline constexpr std::string_view kEnglish = "en";

// Where the settings store keeps the user's choice, under the program's application name.
inline constexpr std::string_view kLanguageSection = "Window";
inline constexpr std::string_view kLanguageKey = "Language";

// `option`: --lang's value or empty; `stored`: the settings store's value or empty;
// `system_locale`: the system locale's name ("en_GB", "zh_CN", "C"). Unknown values
// count as not given.
std::string_view ChooseLanguage(std::string_view option, std::string_view stored,
                                std::string_view system_locale);

// The compiled translation of `program` ("dravon") into `language`; empty when none is found.
std::string TranslationFile(std::string_view program, std::string_view language);

struct LanguageSetting {
  platform::SettingsStore& store;
  std::string app;      // the settings store's application name
  std::string program;  // the translation files' prefix
  // Handler texts built from patterns (the program's ShownTexts()).
  std::vector<std::string_view> patterns;
};

// Chooses the language for this run and installs its translation in the running
// QApplication. Returns the language shown; Chinese when the translation is missing
// (said on standard error).
std::string_view UseLanguage(std::string_view option, const LanguageSetting& setting);

// Installs Qt's own translation of its dialogs (the message box buttons, the file
// dialogs) into `language`, from Qt's translations folder (Debian's qt6-translations-l10n).
// Returns the installed translator, owned by the QApplication; null when the language
// needs none (English) or Qt's translation is not installed (said on standard error).
QTranslator* UseQtOwnTranslation(std::string_view language);

// The menu entry "语言..." that lets the user pick the window's language, offering first
// the one `shown` now; the choice is stored and shows from the next start.
ToolItem LanguageMenuItem(platform::SettingsStore& store, std::string app, std::string_view shown);

}  // namespace gui
