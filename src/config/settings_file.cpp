#include "config/settings_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "config/value_normalisation.h"
#include "platform/text/file_line_text.h"
#include "platform/text/ini_document.h"
#include "platform/text/numeric_value.h"
#include "platform/text/trim.h"
#include "platform/text/utf8_text.h"
#include "platform/ui/text_pattern.h"

namespace config {

namespace {

// The sections; [Transmitter] must be given, [Station] may.
enum Section : std::size_t { kTransmitterSection, kStationSection, kSectionCount };
constexpr std::array<platform::IniSection, kSectionCount> kSections{{
    {"Transmitter", true},
    {"Station", false},
}};

// Longer numbers are no transmitter value, and parsing them would only lose digits.
constexpr std::size_t kLongestPressure = 16;
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
constexpr std::array<platform::IniKey, kKeyCount> kKeys{{
    {kTransmitterSection, "Unit", true},
    {kTransmitterSection, "DecimalPoint", true},
    {kTransmitterSection, "RangeLow", true},
    {kTransmitterSection, "RangeHigh", true},
    {kTransmitterSection, "Output4mA", true},
    {kTransmitterSection, "Output20mA", true},
    {kTransmitterSection, "Store", true},
    {kStationSection, "FirstAddress", true},
    {kStationSection, "LastAddress", true},
    {kStationSection, "Baud", false},
    {kStationSection, "ProbeAddress", false},
    {kStationSection, "ProbeBaud", false},
}};

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
constexpr std::string_view kUnknownSectionText = "未知的节%1，参数文件只有 [Transmitter] 和 [Station] 两节";
constexpr std::string_view kSectionAgainText = "[%1] 节重复（第 %2 行已有）";
constexpr std::string_view kKeyBeforeSectionText = "键%1在 [Transmitter] 节之前";
constexpr std::string_view kNoSectionText = "文件中没有 [Transmitter] 节";
constexpr std::string_view kMissingKeyText = "[%1] 节缺少键 %2";
constexpr std::string_view kAddressText = "%1 应为 01 到 99 的地址，而不是%2";
constexpr std::string_view kRateText = "%1 应为 1200、2400、4800 或 9600，而不是%2";
constexpr std::string_view kLastBeforeFirstText = "LastAddress 不能小于 FirstAddress";
// A transmitter given an address in this span would be found again at the probe.
constexpr std::string_view kProbeInSpanText = "ProbeAddress %1 不能在 FirstAddress 到 LastAddress 之间";

constexpr platform::IniLayout kLayout{kSections, kKeys,
                                      platform::IniTexts{
                                          .unknown_section = kUnknownSectionText,
                                          .section_again = kSectionAgainText,
                                          .key_outside = kKeyBeforeSectionText,
                                          .no_section = kNoSectionText,
                                          .missing_key = kMissingKeyText,
                                          .missing_key_names_section = true,
                                      }};

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
  return ui::FillPattern(kCodeText, {kKeys[key].name, std::to_string(highest), Quoted(value)});
}

std::string TakeStation(Key key, std::string_view value, StationSettings& s) {
  if (key == kBaud || key == kProbeBaud) {
    const auto rate = std::find_if(std::begin(kBusRates), std::end(kBusRates),
                                   [value](int known) { return value == std::to_string(known); });
    if (rate == std::end(kBusRates)) return ui::FillPattern(kRateText, {kKeys[key].name, Quoted(value)});
    if (key == kBaud) {
      s.baud = *rate;
    } else {
      s.probe_baud = *rate;
    }
    return "";
  }
  const std::optional<int> address = Code(value, kHighestAddress);
  if (!address || *address < 1) return ui::FillPattern(kAddressText, {kKeys[key].name, Quoted(value)});
  int* const fields[] = {&s.first_address, &s.last_address, nullptr, &s.probe_address};
  *fields[key - kFirstAddress] = *address;
  return "";
}

// Puts the value into its field; the reason when it does not fit, else empty.
std::string Take(Key key, std::string_view value, TransmitterSettings& s, StationSettings& station) {
  if (kKeys[key].section == kStationSection) return TakeStation(key, value, station);
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
    return ui::FillPattern(kNotNumberText, {kKeys[key].name, Quoted(value)});
  if (!IsPressureText(value)) return ui::FillPattern(kOutOfRangeText, {kKeys[key].name, Quoted(value)});
  std::string* const fields[] = {&s.range_low, &s.range_high, &s.output_4ma, &s.output_20ma};
  *fields[key - kRangeLow] = std::string(value);
  return "";
}

SettingsFileRead Refused(std::string why) { return {std::nullopt, std::nullopt, std::move(why)}; }

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// What the station's keys cannot be together, as the reason naming its line; empty when
// they fit.
std::string StationMismatch(const StationSettings& s, const std::vector<int>& given_at, int section_at) {
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
std::string BeyondField(const TransmitterSettings& s, const std::vector<int>& given_at) {
  const int decimals = s.decimal_point;  // DecimalPoint n has n places
  const std::string* const fields[] = {&s.range_low, &s.range_high, &s.output_4ma, &s.output_20ma};
  for (std::size_t k = kRangeLow; k <= kOutput20mA; ++k) {
    const std::string& value = *fields[k - kRangeLow];
    if (FitsPressureField(value, decimals)) continue;
    std::string largest(static_cast<std::size_t>(kMostPressureDigits - decimals), '9');
    if (decimals > 0) largest += "." + std::string(static_cast<std::size_t>(decimals), '9');
    return AtLine(given_at[k], ui::FillPattern(kBeyondFieldText, {kKeys[k].name, Quoted(value),
                                                                  std::to_string(decimals), largest}));
  }
  return "";
}

}  // namespace

std::vector<std::string_view> SettingsFileFaultTexts() {
  return platform::WithIniFaultTexts(
      {platform::kAtLineText, platform::kUnreadableQuoteText, kCodeText, kStoreText, kNotNumberText,
       kOutOfRangeText, kBeyondFieldText, kUnknownSectionText, kSectionAgainText, kKeyBeforeSectionText,
       kNoSectionText, kMissingKeyText, kAddressText, kRateText, kLastBeforeFirstText, kProbeInSpanText});
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
  TransmitterSettings settings;
  StationSettings station;
  const platform::IniDocumentRead read =
      platform::ReadIniDocument(text, kLayout, [&](std::size_t key, std::string_view value) {
        return Take(static_cast<Key>(key), value, settings, station);
      });
  if (!read.refusal.empty()) return Refused(read.refusal);
  if (std::string why = BeyondField(settings, read.key_at); !why.empty()) return Refused(std::move(why));
  const int station_at = read.section_at[kStationSection];
  if (station_at == 0) return {settings, std::nullopt, ""};
  if (std::string why = StationMismatch(station, read.key_at, station_at); !why.empty())
    return Refused(std::move(why));
  return {settings, station, ""};
}

std::string WriteSettingsFile(const TransmitterSettings& s, std::string_view note) {
  std::string comment(note);
  for (char& c : comment)
    if (c == '\r' || c == '\n') c = ' ';
  std::string file = "; " + comment + "\n[" + std::string(kSections[kTransmitterSection].name) + "]\n";
  const std::array<std::string, kStore + 1> values{
      std::to_string(s.unit), std::to_string(s.decimal_point),    s.range_low, s.range_high, s.output_4ma,
      s.output_20ma,          std::string(StoreAreaName(s.store))};
  for (std::size_t k = 0; k <= kStore; ++k) file += std::string(kKeys[k].name) + "=" + values[k] + "\n";
  return file;
}

}  // namespace config
