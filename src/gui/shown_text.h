#pragma once
// The window model's texts as the real window shows them: in the chosen language. The
// model, its scripts and the headless mode keep the program's own (Chinese) texts; only
// here, where a caption, list item, tool tip, status text or message box reaches a
// widget, is a text looked up in Qt's translation system (context kWindowContext).
// A text without a Chinese character (a number, a reply, a port name) is shown as it is.

#include <QString>
#include <QTranslator>
#include <string>
#include <string_view>
#include <vector>

namespace gui {

// The translation context of every window-model text in the .ts files.
inline constexpr char kWindowContext[] = "Window";

// True when `text` holds a Chinese character: a text of the program's own language that
// needs a translation. Numbers, replies and symbols ("℃", "～") do not.
bool NeedsTranslation(std::string_view text);

// `text` in the installed language: its translation, else the program's own text.
QString Shown(const std::string& text);

// Qt's translator for one language's .qm, which also finds texts that handlers build from
// a pattern (ui::FillPattern, "在线变送器 %1个"): such a text is shown as the pattern's
// translation, each variable part itself shown in the language (a reason inside a
// message) or as it is (a number, a frame).
class WindowTranslator final : public QTranslator {
 public:
  explicit WindowTranslator(std::vector<std::string_view> patterns, QObject* parent = nullptr);

  QString translate(const char* context, const char* source_text, const char* disambiguation = nullptr,
                    int n = -1) const override;

 private:
  QString FromPattern(const char* source_text) const;

  std::vector<std::string> patterns_;  // longest first: the most specific wording wins
};

}  // namespace gui
