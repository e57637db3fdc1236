#include "config/settings_file.h"

#include <algorithm>
#include <array>

#include "config/value_normalisation.h"
#include "platform/text/file_line_text.h"
#include "platform/text/ini_line.h"
#include "platform/text/numeric_value.h"
#include "platform/text/utf8_text.h"
#include "platform/ui/text_pattern.h"

namespace config {

namespace {

// The sections; [Transmitter] must be given, [Station] may.
enum Section : std::size_t { kTransmitterSection, kStationSection, kSectionCount };
constexpr std::array<std::string_view, kSectionCount> kSectionNames{"Transmitter", "Station"};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Longer numbers are no transmitter value, and parsing them would only lose digits.
constexpr std::size_t kLongestPressure = 16;
// The keys in file order, [Transmitter]'s then [Station]'s; each at most once, and every
// one up to kLastAddress must be given in its section.
enum Key : std::size_t {
  kUnit,
  kDecimalPoint,
  kRangeLow,
  kRangeHigh,
  kOutput4mA,
  kOutput20mA,
  kStore,
  kFirstAddress,
  kLastAddress,
  kBaud,
  kProbeAddress,
  kProbeBaud,
  kKeyCount
};
constexpr std::array<std::string_view, kKeyCount> kKeyNames{
    "Unit",  "DecimalPoint", "RangeLow",    "RangeHigh", "Output4mA",    "Output20mA",
    "Store", "FirstAddress", "LastAddress", "Baud",      "ProbeAddress", "ProbeBaud"};

Section SectionOf(std::size_t key) { return key <= kStore ? kTransmitterSection : kStationSection; }
bool Required(std::size_t key) { return key <= kLastAddress; }

constexpr int kHighestAddress = 99;
constexpr int kBusRates[] = {1200, 2400, 4800, 9600};

// Why a file is refused (ui::FillPattern): a %N is a line number, a key or a quoted text
// of the file.
constexpr std::string_view kCodeText = "%1 应为 0 到 %2 的整数，而不是%3";
constexpr std::string_view kStoreText = "Store 应为 user、factory 或 none，而不是%1";
constexpr std::string_view kNotNumberText = "%1 不是数字：%2";
constexpr std::string_view kOutOfRangeText = "%1 超出范围：%2";
// %3 the decimal places of the file's DecimalPoint, %4 the largest value with them.
constexpr std::string_view kBeyondFieldText = "%1 超出变送器能保存的范围：%2（%3 位小数时最大为 %4）";
constexpr std::string_view kUnclosedSectionText = "节名缺少“]”：%1";
constexpr std::string_view kUnknownSectionText = "未知的节%1，参数文件只有 [Transmitter] 和 [Station] 两节";
constexpr std::string_view kSectionAgainText = "[%1] 节重复（第 %2 行已有）";
constexpr std::string_view kNoKeyValueText = "不是“键=值”的形式：%1";
constexpr std::string_view kKeyBeforeSectionText = "键%1在 [Transmitter] 节之前";
constexpr std::string_view kUnknownKeyText = "未知的键%1";
constexpr std::string_view kKeyAgainText = "键 %1 重复（第 %2 行已给出）";
constexpr std::string_view kNoSectionText = "文件中没有 [Transmitter] 节";
constexpr std::string_view kMissingKeyText = "[%1] 节缺少键 %2";
constexpr std::string_view kAddressText = "%1 应为 01 到 99 的地址，而不是%2";
constexpr std::string_view kRateText = "%1 应为 1200、2400、4800 或 9600，而不是%2";
constexpr std::string_view kLastBeforeFirstText = "LastAddress 不能小于 FirstAddress";
// A transmitter given an address in this span would be found again at the probe.
constexpr std::string_view kProbeInSpanText = "ProbeAddress %1 不能在 FirstAddress 到 LastAddress 之间";

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

std::string TakeStation(Key key, std::string_view value, StationSettings& s) {
  if (key == kBaud || key == kProbeBaud) {
    const auto rate = std::find_if(std::begin(kBusRates), std::end(kBusRates),
                                   [value](int known) { return value == std::to_string(known); });
    if (rate == std::end(kBusRates)) return ui::FillPattern(kRateText, {kKeyNames[key], Quoted(value)});
    if (key == kBaud) {
      s.baud = *rate;
    } else {
      s.probe_baud = *rate;
    }
    return "";
  }
  const std::optional<int> address = Code(value, kHighestAddress);
  if (!address || *address < 1) return ui::FillPattern(kAddressText, {kKeyNames[key], Quoted(value)});
  int* const fields[] = {&s.first_address, &s.last_address, nullptr, &s.probe_address};
  *fields[key - kFirstAddress] = *address;
  return "";
}

// Puts the value into its field; the reason when it does not fit, else empty.
std::string Take(Key key, std::string_view value, TransmitterSettings& s, StationSettings& station) {
  if (SectionOf(key) == kStationSection) return TakeStation(key, value, station);
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

std::optional<Key> KeyNamed(Section section, std::string_view name) {
  for (std::size_t k = 0; k < kKeyCount; ++k)
    if (SectionOf(k) == section && kKeyNames[k] == name) return static_cast<Key>(k);
  return std::nullopt;
}

SettingsFileRead Refused(std::string why) { return {std::nullopt, std::nullopt, std::move(why)}; }

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// What the station's keys cannot be together, as the reason naming its line; empty when
// they fit.
std::string StationMismatch(const StationSettings& s, const std::array<int, kKeyCount>& given_at,
                            int section_at) {
  if (s.last_address < s.first_address)
    return AtLine(given_at[kLastAddress], std::string(kLastBeforeFirstText));
  if (s.probe_address >= s.first_address && s.probe_address <= s.last_address) {
    const int line = given_at[kProbeAddress] != 0 ? given_at[kProbeAddress] : section_at;
    return AtLine(line, ui::FillPattern(kProbeInSpanText, {TwoDigits(s.probe_address)}));
  }
  return "";
}

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
  return {platform::kAtLineText, platform::kUnreadableQuoteText, kCodeText,
          kStoreText,           kNotNumberText,       kOutOfRangeText,
          kBeyondFieldText,     kUnclosedSectionText, kUnknownSectionText,
          kSectionAgainText,    kNoKeyValueText,      kKeyBeforeSectionText,
          kUnknownKeyText,      kKeyAgainText,        kNoSectionText,
          kMissingKeyText,      kAddressText,         kRateText,
          kLastBeforeFirstText, kProbeInSpanText};
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
  StationSettings station;
  std::array<int, kKeyCount> given_at{};  // the line of each key; 0 while not given
  std::array<int, kSectionCount> section_at{};
  std::optional<Section> in;  // the section the lines are in
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
      const auto known = std::find(kSectionNames.begin(), kSectionNames.end(), name);
      if (known == kSectionNames.end())
        return Refused(AtLine(line, ui::FillPattern(kUnknownSectionText, {Quoted(name)})));
      in = static_cast<Section>(known - kSectionNames.begin());
      if (section_at[*in] != 0)
        return Refused(
            AtLine(line, ui::FillPattern(kSectionAgainText, {name, std::to_string(section_at[*in])})));
      section_at[*in] = line;
      continue;
    }
    if (row.kind == platform::IniLine::Kind::kNoKeyValue)
      return Refused(AtLine(line, ui::FillPattern(kNoKeyValueText, {Quoted(row.text)})));
    const std::string_view name = row.name;
    if (!in) return Refused(AtLine(line, ui::FillPattern(kKeyBeforeSectionText, {Quoted(name)})));
    const std::optional<Key> key = KeyNamed(*in, name);
    if (!key) return Refused(AtLine(line, ui::FillPattern(kUnknownKeyText, {Quoted(name)})));
    if (given_at[*key] != 0)
      return Refused(AtLine(line, ui::FillPattern(kKeyAgainText, {name, std::to_string(given_at[*key])})));
    if (const std::string why = Take(*key, row.value, settings, station); !why.empty())
      return Refused(AtLine(line, why));
    given_at[*key] = line;
  }
  if (section_at[kTransmitterSection] == 0) return Refused(std::string(kNoSectionText));
  for (std::size_t k = 0; k < kKeyCount; ++k) {
    const int at = section_at[SectionOf(k)];
    if (at != 0 && Required(k) && given_at[k] == 0)
      return Refused(
          AtLine(at, ui::FillPattern(kMissingKeyText, {kSectionNames[SectionOf(k)], kKeyNames[k]})));
  }
  if (std::string why = BeyondField(settings, given_at); !why.empty()) return Refused(std::move(why));
  if (section_at[kStationSection] == 0) return {settings, std::nullopt, ""};
  if (std::string why = StationMismatch(station, given_at, section_at[kStationSection]); !why.empty())
    return Refused(std::move(why));
  return {settings, station, ""};
}

std::string WriteSettingsFile(const TransmitterSettings& s, std::string_view note) {
  std::string comment(note);
  for (char& c : comment)
    if (c == '\r' || c == '\n') c = ' ';
  std::string file = "; " + comment + "\n[" + std::string(kSectionNames[kTransmitterSection]) + "]\n";
  const std::array<std::string, kStore + 1> values{
      std::to_string(s.unit), std::to_string(s.decimal_point),    s.range_low, s.range_high, s.output_4ma,
      s.output_20ma,          std::string(StoreAreaName(s.store))};
  for (std::size_t k = 0; k <= kStore; ++k) file += std::string(kKeyNames[k]) + "=" + values[k] + "\n";
  return file;
}

}  // namespace config
