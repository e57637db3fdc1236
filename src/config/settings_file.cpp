#include "config/settings_file.h"

#include <array>
#include <cfloat>
#include <cmath>

#include "platform/text/numeric_value.h"
#include "platform/text/utf8_text.h"

namespace config {

namespace {

constexpr std::string_view kSection = "Transmitter";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Longer numbers are no transmitter value, and parsing them would only lose digits.
constexpr std::size_t kLongestPressure = 16;
// A message quotes at most this much of a line.
constexpr std::size_t kLongestQuote = 32;

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

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string AtLine(int line, const std::string& what) {
  return "第 " + std::to_string(line) + " 行：" + what;
}

// A text of the file as a message shows it: quoted, shortened, and not at all when it is
// not readable text (control characters or bytes that are not UTF-8).
std::string Quoted(std::string_view text) {
  std::string shown;
  std::size_t count = 0;
  for (const platform::utf8::Character& c : platform::utf8::SplitCharacters(text)) {
    const bool stray_byte = c.bytes.size() == 1 && static_cast<unsigned char>(c.bytes[0]) >= 0x80;
    if (stray_byte || c.code < 0x20 || c.code == 0x7F) return "（无法显示的文字）";
    if (++count > kLongestQuote) {
      shown += "…";
      break;
    }
    shown += c.bytes;
  }
  return "“" + shown + "”";
}

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
  return std::string(kKeyNames[key]) + " 应为 0 到 " + std::to_string(highest) + " 的整数，而不是" +
         Quoted(value);
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
    if (!area) return "Store 应为 user、factory 或 none，而不是" + Quoted(value);
    s.store = *area;
    return "";
  }
  if (!platform::ParseNumberText(value)) return std::string(kKeyNames[key]) + " 不是数字：" + Quoted(value);
  if (!IsPressureText(value)) return std::string(kKeyNames[key]) + " 超出范围：" + Quoted(value);
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

}  // namespace

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
  if (text.size() > kLongestPressure || text != Trim(text)) return false;
  const std::optional<double> x = platform::ParseNumberText(text);
  return x && std::isfinite(*x) && std::fabs(*x) <= FLT_MAX;
}

SettingsFileRead ReadSettingsFile(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  TransmitterSettings settings;
  std::array<int, kKeyCount> given_at{};  // the line of each key; 0 while not given
  int section_at = 0;
  int line = 0;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    const std::string_view row = Trim(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    ++line;
    if (row.empty() || row.front() == ';' || row.front() == '#') continue;
    if (row.front() == '[') {
      if (row.back() != ']') return Refused(AtLine(line, "节名缺少“]”：" + Quoted(row)));
      const std::string_view name = Trim(row.substr(1, row.size() - 2));
      if (name != kSection)
        return Refused(AtLine(line, "未知的节" + Quoted(name) + "，参数文件只有 [Transmitter] 一节"));
      if (section_at != 0)
        return Refused(AtLine(line, "[Transmitter] 节重复（第 " + std::to_string(section_at) + " 行已有）"));
      section_at = line;
      continue;
    }
    const std::size_t eq = row.find('=');
    if (eq == std::string_view::npos) return Refused(AtLine(line, "不是“键=值”的形式：" + Quoted(row)));
    const std::string_view name = Trim(row.substr(0, eq));
    if (section_at == 0) return Refused(AtLine(line, "键" + Quoted(name) + "在 [Transmitter] 节之前"));
    const std::optional<Key> key = KeyNamed(name);
    if (!key) return Refused(AtLine(line, "未知的键" + Quoted(name)));
    if (given_at[*key] != 0)
      return Refused(AtLine(
          line, "键 " + std::string(name) + " 重复（第 " + std::to_string(given_at[*key]) + " 行已给出）"));
    if (const std::string why = Take(*key, Trim(row.substr(eq + 1)), settings); !why.empty())
      return Refused(AtLine(line, why));
    given_at[*key] = line;
  }
  if (section_at == 0) return Refused("文件中没有 [Transmitter] 节");
  for (std::size_t k = 0; k < kKeyCount; ++k)
    if (given_at[k] == 0)
      return Refused(AtLine(section_at, "[Transmitter] 节缺少键 " + std::string(kKeyNames[k])));
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
