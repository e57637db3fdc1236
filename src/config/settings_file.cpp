#include "config/settings_file.h"

#include <array>

#include "config/value_normalisation.h"
#include "platform/text/file_line_text.h"
#include "platform/text/ini_line.h"
#include "platform/text/numeric_value.h"
#include "platform/text/utf8_text.h"
#include "platform/ui/text_pattern.h"

namespace config {

namespace {

constexpr std::string_view kSection = "Transmitter";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Longer numbers are no transmitter value, and parsing them would only lose digits.
constexpr std::size_t kLongestPressure = 16;
// The keys in file order; every one must be given, once.
enum Key : std::size_t {
  kUnit,
  kDecimalPoint,
  kRangeLow,
  kRangeHigh,
  kOutput4mA,
  kOutput20mA,
  kStore,
  kKeyCount
};
constexpr std::array<std::string_view, kKeyCount> kKeyNames{
    "Unit", "DecimalPoint", "RangeLow", "RangeHigh", "Output4mA", "Output20mA", "Store"};

// Why a file is refused (ui::FillPattern): a %N is a line number, a key or a quoted text
// of the file.
constexpr std::string_view kCodeText = "%1 应为 0 到 %2 的整数，而不是%3";
constexpr std::string_view kStoreText = "Store 应为 user、factory 或 none，而不是%1";
constexpr std::string_view kNotNumberText = "%1 不是数字：%2";
constexpr std::string_view kOutOfRangeText = "%1 超出范围：%2";
// %3 the decimal places of the file's DecimalPoint, %4 the largest value with them.
constexpr std::string_view kBeyondFieldText = "%1 超出变送器能保存的范围：%2（%3 位小数时最大为 %4）";
constexpr std::string_view kUnclosedSectionText = "节名缺少“]”：%1";
constexpr std::string_view kUnknownSectionText = "未知的节%1，参数文件只有 [Transmitter] 一节";
constexpr std::string_view kSectionAgainText = "[Transmitter] 节重复（第 %1 行已有）";
constexpr std::string_view kNoKeyValueText = "不是“键=值”的形式：%1";
constexpr std::string_view kKeyBeforeSectionText = "键%1在 [Transmitter] 节之前";
constexpr std::string_view kUnknownKeyText = "未知的键%1";
constexpr std::string_view kKeyAgainText = "键 %1 重复（第 %2 行已给出）";
constexpr std::string_view kNoSectionText = "文件中没有 [Transmitter] 节";
constexpr std::string_view kMissingKeyText = "[Transmitter] 节缺少键 %1";

using platform::AtLine;

std::string Quoted(std::string_view text) { return platform::QuotedFileText(text); }

std::optional<int> Code(std::string_view text, int highest) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int code = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    code = code * 10 + (c - '0');
  }
  return code <= highest ? std::optional<int>(code) : std::nullopt;
}

std::optional<StoreArea> Area(std::string_view text) {
  for (StoreArea area : {StoreArea::kUser, StoreArea::kFactory, StoreArea::kNone})
    if (text == StoreAreaName(area)) return area;
  return std::nullopt;
}

std::string CodeError(Key key, std::string_view value, int highest) {
  return ui::FillPattern(kCodeText, {kKeyNames[key], std::to_string(highest), Quoted(value)});
}

// Puts the value into its field; the reason when it does not fit, else empty.
std::string Take(Key key, std::string_view value, TransmitterSettings& s) {
  if (key == kUnit || key == kDecimalPoint) {
    const int highest = key == kUnit ? kHighestUnitCode : kHighestDecimalPointCode;
    const std::optional<int> code = Code(value, highest);
    if (!code) return CodeError(key, value, highest);
    (key == kUnit ? s.unit : s.decimal_point) = *code;
    return "";
  }
  if (key == kStore) {
    const std::optional<StoreArea> area = Area(value);
    if (!area) return ui::FillPattern(kStoreText, {Quoted(value)});
    s.store = *area;
    return "";
  }
  if (!platform::ParseNumberText(value))
    return ui::FillPattern(kNotNumberText, {kKeyNames[key], Quoted(value)});
  if (!IsPressureText(value)) return ui::FillPattern(kOutOfRangeText, {kKeyNames[key], Quoted(value)});
  std::string* const fields[] = {&s.range_low, &s.range_high, &s.output_4ma, &s.output_20ma};
  *fields[key - kRangeLow] = std::string(value);
  return "";
}

std::optional<Key> KeyNamed(std::string_view name) {
  for (std::size_t k = 0; k < kKeyCount; ++k)
    if (kKeyNames[k] == name) return static_cast<Key>(k);
  return std::nullopt;
}

SettingsFileRead Refused(std::string why) { return {std::nullopt, std::move(why)}; }

// The first pressure the transmitter's field cannot hold with the file's decimal places,
// as the reason naming its line; empty when all fit.
std::string BeyondField(const TransmitterSettings& s, const std::array<int, kKeyCount>& given_at) {
  const int decimals = s.decimal_point;  // DecimalPoint n has n places
  const std::string* const fields[] = {&s.range_low, &s.range_high, &s.output_4ma, &s.output_20ma};
  for (std::size_t k = kRangeLow; k <= kOutput20mA; ++k) {
    const std::string& value = *fields[k - kRangeLow];
    if (FitsPressureField(value, decimals)) continue;
    std::string largest(static_cast<std::size_t>(kMostPressureDigits - decimals), '9');
    if (decimals > 0) largest += "." + std::string(static_cast<std::size_t>(decimals), '9');
    return AtLine(given_at[k], ui::FillPattern(kBeyondFieldText, {kKeyNames[k], Quoted(value),
                                                                  std::to_string(decimals), largest}));
  }
  return "";
}

}  // namespace

std::vector<std::string_view> SettingsFileFaultTexts() {
  return {platform::kAtLineText,
          platform::kUnreadableQuoteText,
          kCodeText,
          kStoreText,
          kNotNumberText,
          kOutOfRangeText,
          kBeyondFieldText,
          kUnclosedSectionText,
          kUnknownSectionText,
          kSectionAgainText,
          kNoKeyValueText,
          kKeyBeforeSectionText,
          kUnknownKeyText,
          kKeyAgainText,
          kNoSectionText,
          kMissingKeyText};
}

std::string_view StoreAreaName(StoreArea area) {
  switch (area) {
    case StoreArea::kUser:
      return "user";
    case StoreArea::kFactory:
      return "factory";
    case StoreArea::kNone:
      break;
  }
  return "none";
}

bool IsPressureText(std::string_view text) {
  if (text.size() > kLongestPressure || text != platform::TrimBlanks(text)) return false;
  const std::optional<double> x = platform::ParseNumberText(text);
  return x && platform::FitsSinglePrecision(*x);
}

SettingsFileRead ReadSettingsFile(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  TransmitterSettings settings;
  std::array<int, kKeyCount> given_at{};  // the line of each key; 0 while not given
  int section_at = 0;
  int line = 0;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    const platform::IniLine row = platform::ReadIniLine(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    ++line;
    if (row.kind == platform::IniLine::Kind::kNothing) continue;
    if (row.kind == platform::IniLine::Kind::kUnclosedSection)
      return Refused(AtLine(line, ui::FillPattern(kUnclosedSectionText, {Quoted(row.text)})));
    if (row.kind == platform::IniLine::Kind::kSection) {
      const std::string_view name = row.name;
      if (name != kSection)
        return Refused(AtLine(line, ui::FillPattern(kUnknownSectionText, {Quoted(name)})));
      if (section_at != 0)
        return Refused(AtLine(line, ui::FillPattern(kSectionAgainText, {std::to_string(section_at)})));
      section_at = line;
      continue;
    }
    if (row.kind == platform::IniLine::Kind::kNoKeyValue)
      return Refused(AtLine(line, ui::FillPattern(kNoKeyValueText, {Quoted(row.text)})));
    const std::string_view name = row.name;
    if (section_at == 0) return Refused(AtLine(line, ui::FillPattern(kKeyBeforeSectionText, {Quoted(name)})));
    const std::optional<Key> key = KeyNamed(name);
    if (!key) return Refused(AtLine(line, ui::FillPattern(kUnknownKeyText, {Quoted(name)})));
    if (given_at[*key] != 0)
      return Refused(AtLine(line, ui::FillPattern(kKeyAgainText, {name, std::to_string(given_at[*key])})));
    if (const std::string why = Take(*key, row.value, settings); !why.empty())
      return Refused(AtLine(line, why));
    given_at[*key] = line;
  }
  if (section_at == 0) return Refused(std::string(kNoSectionText));
  for (std::size_t k = 0; k < kKeyCount; ++k)
    if (given_at[k] == 0)
      return Refused(AtLine(section_at, ui::FillPattern(kMissingKeyText, {kKeyNames[k]})));
  if (std::string why = BeyondField(settings, given_at); !why.empty()) return Refused(std::move(why));
  return {settings, ""};
}

std::string WriteSettingsFile(const TransmitterSettings& s, std::string_view note) {
  std::string comment(note);
  for (char& c : comment)
    if (c == '\r' || c == '\n') c = ' ';
  std::string file = "; " + comment + "\n[" + std::string(kSection) + "]\n";
  const std::array<std::string, kKeyCount> values{
      std::to_string(s.unit), std::to_string(s.decimal_point),    s.range_low, s.range_high, s.output_4ma,
      s.output_20ma,          std::string(StoreAreaName(s.store))};
  for (std::size_t k = 0; k < kKeyCount; ++k) file += std::string(kKeyNames[k]) + "=" + values[k] + "\n";
  return file;
}

}  // namespace config
