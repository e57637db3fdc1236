#include "platform/text/ini_document.h"

#include <algorithm>
#include <optional>

#include "platform/text/file_line_text.h"
#include "platform/text/ini_line.h"
#include "platform/ui/text_pattern.h"

namespace platform {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Quoted(std::string_view text) { return QuotedFileText(text); }

std::optional<std::size_t> SectionNamed(const IniLayout& layout, std::string_view name) {
  for (std::size_t s = 0; s < layout.sections.size(); ++s)
    if (layout.sections[s].name == name) return s;
  return std::nullopt;
}

std::optional<std::size_t> KeyNamed(const IniLayout& layout, std::size_t section, std::string_view name) {
  for (std::size_t k = 0; k < layout.keys.size(); ++k)
    if (layout.keys[k].section == section && layout.keys[k].name == name) return k;
  return std::nullopt;
}

// The fault of one header line, or empty when it opens its section.
std::string SectionFault(const IniLayout& layout, std::string_view name, std::vector<int>& section_at,
                         int line) {
  const IniTexts& texts = layout.texts;
  const std::optional<std::size_t> section = SectionNamed(layout, name);
  const bool again = section && section_at[*section] != 0;
  if (!section || (again && texts.section_again.empty()))
    return AtLine(line, ui::FillPattern(texts.unknown_section, {Quoted(name)}));
  if (again)
    return AtLine(line, ui::FillPattern(texts.section_again, {name, std::to_string(section_at[*section])}));
  section_at[*section] = line;
  return "";
}

// What is missing once every line was read: a required section, or a required key of a
// section that was given.
std::string Missing(const IniLayout& layout, const IniDocumentRead& read) {
  const IniTexts& texts = layout.texts;
  for (std::size_t s = 0; s < layout.sections.size(); ++s)
    if (layout.sections[s].required && read.section_at[s] == 0)
      return ui::FillPattern(texts.no_section, {layout.sections[s].name});
  for (std::size_t k = 0; k < layout.keys.size(); ++k) {
    const IniKey& key = layout.keys[k];
    const int at = read.section_at[key.section];
    if (at == 0 || !key.required || read.key_at[k] != 0) continue;
    const std::string_view section = layout.sections[key.section].name;
    return AtLine(at, texts.missing_key_names_section
                          ? ui::FillPattern(texts.missing_key, {section, key.name})
                          : ui::FillPattern(texts.missing_key, {key.name}));
  }
  return "";
}

}  // namespace

std::vector<std::string_view> WithIniFaultTexts(std::vector<std::string_view> own) {
  own.insert(own.end(), {kIniUnclosedSectionText, kIniNoKeyValueText, kIniUnknownKeyText, kIniKeyAgainText});
  return own;
}

IniDocumentRead ReadIniDocument(std::string_view text, const IniLayout& layout, const TakeIniValue& take) {
  const IniTexts& texts = layout.texts;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  IniDocumentRead read{"", std::vector<int>(layout.keys.size()), std::vector<int>(layout.sections.size())};
  const auto refused = [&read](std::string why) {
    read.refusal = std::move(why);
    return std::move(read);
  };
  std::optional<std::size_t> in;  // the section the lines are in
  for (int line = 1; !text.empty(); ++line) {
    const std::size_t eol = text.find('\n');
    const IniLine row = ReadIniLine(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    switch (row.kind) {
      case IniLine::Kind::kNothing:
        continue;
      case IniLine::Kind::kUnclosedSection:
        return refused(AtLine(line, ui::FillPattern(kIniUnclosedSectionText, {Quoted(row.text)})));
      case IniLine::Kind::kNoKeyValue:
        return refused(AtLine(line, ui::FillPattern(kIniNoKeyValueText, {Quoted(row.text)})));
      case IniLine::Kind::kSection:
        if (std::string why = SectionFault(layout, row.name, read.section_at, line); !why.empty())
          return refused(std::move(why));
        in = SectionNamed(layout, row.name);
        continue;
      case IniLine::Kind::kKeyValue:
        break;
    }
    if (!in) return refused(AtLine(line, ui::FillPattern(texts.key_outside, {Quoted(row.name)})));
    const std::optional<std::size_t> key = KeyNamed(layout, *in, row.name);
    if (!key) return refused(AtLine(line, ui::FillPattern(kIniUnknownKeyText, {Quoted(row.name)})));
    if (const int before = read.key_at[*key]; before != 0)
      return refused(AtLine(line, ui::FillPattern(kIniKeyAgainText, {row.name, std::to_string(before)})));
    if (std::string why = take(*key, row.value); !why.empty()) return refused(AtLine(line, why));
    read.key_at[*key] = line;
  }
  read.refusal = Missing(layout, read);
  return read;
}

}  // namespace platform
