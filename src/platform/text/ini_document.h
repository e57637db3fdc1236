#pragma once
// The structure of an INI file a person writes (a settings file, a check plan): named
// sections, each with its own keys, every key at most once and some of them required. The
// reader checks that structure line by line and hands each value to the file's own reader;
// the first fault ends the read, as a message naming its line. Each file brings its own
// wording of the messages, so what a person reads names that file's sections.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct IniSection {
  std::string_view name;
  bool required = false;
};

struct IniKey {
  std::size_t section = 0;  // the index of its section
  std::string_view name;
  bool required = false;  // must be given when its section is
};

// The faults every such file words alike (ui::FillPattern); a quoted text is
// QuotedFileText of what the line holds.
inline constexpr std::string_view kIniUnclosedSectionText = "节名缺少“]”：%1";   // %1 the quoted line
inline constexpr std::string_view kIniNoKeyValueText = "不是“键=值”的形式：%1";  // %1 the quoted line
inline constexpr std::string_view kIniUnknownKeyText = "未知的键%1";             // %1 the quoted key
// %1 the key, %2 the line it was first given at.
inline constexpr std::string_view kIniKeyAgainText = "键 %1 重复（第 %2 行已给出）";

// A file's own fault texts followed by the ones above, for a front-end to translate.
std::vector<std::string_view> WithIniFaultTexts(std::vector<std::string_view> own);

// The faults each file words its own way, naming its sections.
struct IniTexts {
  std::string_view unknown_section;  // %1 the quoted name
  // %1 the name, %2 the line it was first at; when empty, a second one is refused as
  // unknown_section.
  std::string_view section_again;
  std::string_view key_outside;  // %1 the quoted key, given before any section
  std::string_view no_section;   // %1 the required section's name
  std::string_view missing_key;  // see missing_key_names_section
  // True: missing_key has %1 the section and %2 the key; false: %1 the key.
  bool missing_key_names_section = false;
};

struct IniLayout {
  std::span<const IniSection> sections;
  std::span<const IniKey> keys;  // in the order their absence is reported
  IniTexts texts;
};

struct IniDocumentRead {
  std::string refusal;          // empty when the document was read
  std::vector<int> key_at;      // per key, the line it was given at; 0 when not given
  std::vector<int> section_at;  // per section, the line of its header; 0 when absent
};

// Takes the value of the key with that index; the reason it does not fit, else empty.
using TakeIniValue = std::function<std::string(std::size_t key, std::string_view value)>;

// Reads `text` (UTF-8, with or without a byte-order mark, lines ending in "\n" or "\r\n").
IniDocumentRead ReadIniDocument(std::string_view text, const IniLayout& layout, const TakeIniValue& take);

}  // namespace platform
