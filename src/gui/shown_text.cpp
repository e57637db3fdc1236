#include "gui/shown_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

#include "platform/ui/text_pattern.h"
#include "platform/text/utf8_text.h"

namespace gui {

namespace {

bool IsChineseCharacter(char32_t code) {
  return (code >= 0x4E00 && code <= 0x9FFF) || (code >= 0x3400 && code <= 0x4DBF);
}

}  // namespace

bool NeedsTranslation(std::string_view text) {
  const std::vector<platform::utf8::Character> characters = platform::utf8::SplitCharacters(text);
  return std::any_of(characters.begin(), characters.end(),
                     [](const platform::utf8::Character& c) { return IsChineseCharacter(c.code); });
}

QString Shown(const std::string& text) {
  if (!NeedsTranslation(text)) return QString::fromStdString(text);
  return QCoreApplication::translate(kWindowContext, text.c_str());
}

WindowTranslator::WindowTranslator(std::vector<std::string_view> patterns, QObject* parent)
    : QTranslator(parent) {
  // A pattern has wording of its own, so every part is shorter than the text it is
  // found in, and showing the parts in turn comes to an end.
  for (std::string_view pattern : patterns) {
    if (ui::IsPattern(pattern) && NeedsTranslation(pattern)) patterns_.emplace_back(pattern);
  }
  std::stable_sort(patterns_.begin(), patterns_.end(),
                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
}

QString WindowTranslator::translate(const char* context, const char* source_text, const char* disambiguation,
                                    int n) const {
  QString exact = QTranslator::translate(context, source_text, disambiguation, n);
  if (!exact.isEmpty() || context == nullptr || std::strcmp(context, kWindowContext) != 0 ||
      source_text == nullptr) {
    return exact;
  }
  return FromPattern(source_text);
}

QString WindowTranslator::FromPattern(const char* source_text) const {
  for (const std::string& pattern : patterns_) {
    const auto parts = ui::MatchPattern(pattern, source_text);
    if (!parts) continue;
    QString wording = QTranslator::translate(kWindowContext, pattern.c_str());
    if (wording.isEmpty()) continue;
    // Filled in one pass, so that a part holding "%2" is never taken for a slot.
    QString text;
    for (qsizetype i = 0; i < wording.size(); ++i) {
      const int slot = i + 1 < wording.size() && wording[i] == u'%' ? wording[i + 1].digitValue() : -1;
      if (slot >= 1 && static_cast<std::size_t>(slot) <= parts->size()) {
        const std::string& part = (*parts)[static_cast<std::size_t>(slot - 1)];
        const QString shown_part =
            NeedsTranslation(part) ? translate(kWindowContext, part.c_str()) : QString();
        text += shown_part.isEmpty() ? QString::fromStdString(part) : shown_part;
        ++i;
      } else {
        text += wording[i];
      }
    }
    return text;
  }
  return {};
}

}  // namespace gui
