#include "config/shown_settings.h"

#include "config/value_normalisation.h"
#include "platform/text/numeric_value.h"
#include "platform/ui/text_pattern.h"
#include "shell/reply_fill.h"

namespace config {

namespace {

// A number the transmitter sent. A failed exchange shows its result ("ERR 0" and a
// carriage return), and a reply without a value keeps its carriage return: neither counts.
std::optional<double> AnsweredNumber(std::string_view text) {
  if (text.empty() || text.front() == ' ') return std::nullopt;
  return platform::ParseNumberText(text);
}

bool SamePressure(std::string_view wanted, std::string_view got, std::string_view pattern) {
  const std::optional<double> w = platform::ParseNumberText(wanted);
  const std::optional<double> g = AnsweredNumber(got);
  if (!w || !g) return false;
  if (!ParseNumberPattern(pattern)) return *w == *g;
  return InPattern(wanted, pattern) == InPattern(got, pattern);
}

bool SameWholeNumber(std::string_view wanted, std::string_view got) {
  const std::optional<double> w = AnsweredNumber(wanted);
  const std::optional<double> g = AnsweredNumber(got);
  return w && g && *w == *g;
}

}  // namespace

bool ShowsNumberRead(std::string_view text) { return AnsweredNumber(text).has_value(); }

int AnsweredCode(shell::MainWindow& m, std::string_view list) {
  return shell::ListAnswered(m, list) ? m[list].list_index() : kNoCode;
}

std::string CodeText(int code) { return code == kNoCode ? "none" : std::to_string(code); }

ShownSettings SettingsShown(shell::MainWindow& m) {
  return {AnsweredCode(m, "cmbUnit"), AnsweredCode(m, "Cmb_DP"), m["TXT_DPL"].text(),  m["TXT_DPH"].text(),
          m["TXT_DAL"].text(),        m["TXT_DAH"].text(),       m["TXT_DAZF"].text(), m["TXT_DAFF"].text()};
}

std::string InPattern(std::string_view text, std::string_view pattern) {
  // The normalisation of a typed value, as the window does it for every version below
  // 2 (an empty version text reads as 0).
  return NormalisedValueText("", text, pattern).value_or(std::string(text));
}

std::vector<SettingDifference> CompareSettings(const ShownSettings& wanted, const ShownSettings& got,
                                               std::string_view pattern) {
  std::vector<SettingDifference> differences;
  const auto code = [&](const char* name, int w, int g) {
    if (w != g || g == kNoCode) differences.push_back({name, CodeText(w), CodeText(g), g == kNoCode});
  };
  const auto pressure = [&](const char* name, const std::string& w, const std::string& g) {
    if (!SamePressure(w, g, pattern)) differences.push_back({name, w, g, !ShowsNumberRead(g)});
  };
  const auto trim = [&](const char* name, const std::string& w, const std::string& g) {
    if (!SameWholeNumber(w, g)) differences.push_back({name, w, g, !ShowsNumberRead(g)});
  };
  code("Unit", wanted.unit, got.unit);
  code("DecimalPoint", wanted.decimal_point, got.decimal_point);
  pressure("RangeLow", wanted.range_low, got.range_low);
  pressure("RangeHigh", wanted.range_high, got.range_high);
  pressure("Output4mA", wanted.output_4ma, got.output_4ma);
  pressure("Output20mA", wanted.output_20ma, got.output_20ma);
  trim("Trim4mA", wanted.trim_4ma, got.trim_4ma);
  trim("Trim20mA", wanted.trim_20ma, got.trim_20ma);
  return differences;
}

std::optional<TransmitterSettings> FileSettings(const ShownSettings& shown, StoreArea store,
                                                std::string& why) {
  const auto bad = [&](const char* name) {
    why = ui::FillPattern(kNoValidValueText, {name});
    return std::nullopt;
  };
  if (shown.unit < 0 || shown.unit > kHighestUnitCode) return bad("Unit");
  if (shown.decimal_point < 0 || shown.decimal_point > kHighestDecimalPointCode) return bad("DecimalPoint");
  if (!IsPressureText(shown.range_low)) return bad("RangeLow");
  if (!IsPressureText(shown.range_high)) return bad("RangeHigh");
  if (!IsPressureText(shown.output_4ma)) return bad("Output4mA");
  if (!IsPressureText(shown.output_20ma)) return bad("Output20mA");
  return TransmitterSettings{
      shown.unit, shown.decimal_point, shown.range_low, shown.range_high, shown.output_4ma, shown.output_20ma,
      store};
}

}  // namespace config
