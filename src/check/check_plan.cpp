#include "check/check_plan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "platform/text/file_line_text.h"
#include "platform/text/ini_line.h"
#include "platform/text/numeric_value.h"
#include "platform/ui/text_pattern.h"

namespace check {

namespace {

using platform::AtLine;

constexpr std::string_view kSection = "Check";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kTyped = "typed";
constexpr int kFewestReadings = 2;
constexpr int kMostReadings = 50;
constexpr std::size_t kMostPoints = 21;

constexpr std::array<std::string_view, 8> kKeys{
    "Points", "Direction", "TolerancePercent", "Readings", "StableSpread", "Reference", "Stage", "Operator"};
constexpr std::array<std::string_view, 3> kRequired{"TolerancePercent", "StableSpread", "Reference"};

constexpr std::string_view kPointsText =
    "Points 应为 0 到 100 之间的百分数，以逗号分隔（最多 21 个），而不是%1";
constexpr std::string_view kDirectionText = "Direction 应为 up 或 updown，而不是%1";
constexpr std::string_view kPositiveText = "%1 应为大于 0 的数，而不是%2";
constexpr std::string_view kReadingsText = "Readings 应为 2 到 50 的整数，而不是%1";
constexpr std::string_view kReferenceText = "Reference 应为 01 到 99 的地址或 typed，而不是%1";
constexpr std::string_view kStageText = "Stage 应为 as_found 或 as_left，而不是%1";
constexpr std::string_view kUnclosedSectionText = "节名缺少“]”：%1";
constexpr std::string_view kUnknownSectionText = "未知的节%1，检定计划只有 [Check] 一节";
constexpr std::string_view kNoKeyValueText = "不是“键=值”的形式：%1";
constexpr std::string_view kKeyOutsideText = "键%1不在 [Check] 节中";
constexpr std::string_view kUnknownKeyText = "未知的键%1";
constexpr std::string_view kKeyAgainText = "键 %1 重复（第 %2 行已给出）";
constexpr std::string_view kNoSectionText = "文件中没有 [Check] 节";
constexpr std::string_view kMissingKeyText = "[Check] 节缺少键 %1";

std::string Quoted(std::string_view text) { return platform::QuotedFileText(text); }

std::optional<double> PositiveNumber(std::string_view text) {
  const std::optional<double> x = platform::ParseNumberText(text);
  return x && *x > 0 && *x < 1e9 ? x : std::nullopt;
}

std::optional<std::vector<double>> Points(std::string_view text) {
  std::vector<double> points;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::optional<double> x = platform::ParseNumberText(platform::TrimBlanks(text.substr(0, comma)));
    if (!x || *x < 0 || *x > 100 || points.size() == kMostPoints) return std::nullopt;
    points.push_back(*x);
    if (comma == std::string_view::npos) return points;
    text.remove_prefix(comma + 1);
  }
}

bool IsAddress(std::string_view a) {
  return a.size() == 2 && a[0] >= '0' && a[0] <= '9' && a[1] >= '0' && a[1] <= '9' && a != "00";
}

// Puts one value into the plan; the reason when it does not fit, else empty.
std::string Take(std::string_view key, std::string_view value, CheckPlan& plan) {
  if (key == "Points") {
    std::optional<std::vector<double>> points = Points(value);
    if (!points) return ui::FillPattern(kPointsText, {Quoted(value)});
    plan.points = std::move(*points);
  } else if (key == "Direction") {
    if (value != "up" && value != "updown") return ui::FillPattern(kDirectionText, {Quoted(value)});
    plan.up_and_down = value == "updown";
  } else if (key == "TolerancePercent" || key == "StableSpread") {
    const std::optional<double> x = PositiveNumber(value);
    if (!x) return ui::FillPattern(kPositiveText, {key, Quoted(value)});
    (key == "StableSpread" ? plan.stable_spread : plan.tolerance_percent) = *x;
  } else if (key == "Readings") {
    const std::optional<double> n = platform::ParseNumberText(value);
    if (!n || *n != std::floor(*n) || *n < kFewestReadings || *n > kMostReadings)
      return ui::FillPattern(kReadingsText, {Quoted(value)});
    plan.readings = static_cast<int>(*n);
  } else if (key == "Reference") {
    if (value != kTyped && !IsAddress(value)) return ui::FillPattern(kReferenceText, {Quoted(value)});
    plan.reference = value == kTyped ? "" : std::string(value);
  } else if (key == "Stage") {
    if (value != StageName(Stage::kAsFound) && value != StageName(Stage::kAsLeft))
      return ui::FillPattern(kStageText, {Quoted(value)});
    plan.stage = value == StageName(Stage::kAsLeft) ? Stage::kAsLeft : Stage::kAsFound;
  } else {
    plan.operator_name = std::string(value);
  }
  return "";
}

CheckPlanRead Refused(std::string why) { return {std::nullopt, std::move(why)}; }

}  // namespace

std::string_view StageName(Stage stage) { return stage == Stage::kAsLeft ? "as_left" : "as_found"; }

std::vector<double> CheckPlan::Sequence() const {
  std::vector<double> rising = points;
  std::sort(rising.begin(), rising.end());
  if (!up_and_down) return rising;
  std::vector<double> sequence = rising;
  for (auto x = rising.rbegin() + (rising.empty() ? 0 : 1); x != rising.rend(); ++x) sequence.push_back(*x);
  return sequence;
}

std::vector<std::string_view> CheckPlanFaultTexts() {
  return {kPointsText,     kDirectionText,       kPositiveText,       kReadingsText,   kReferenceText,
          kStageText,      kUnclosedSectionText, kUnknownSectionText, kNoKeyValueText, kKeyOutsideText,
          kUnknownKeyText, kKeyAgainText,        kNoSectionText,      kMissingKeyText};
}

CheckPlanRead ReadCheckPlan(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  CheckPlan plan;
  std::map<std::string_view, int> given_at;  // the line of each key given
  int section_at = 0;
  for (int line = 1; !text.empty(); ++line) {
    const std::size_t eol = text.find('\n');
    const platform::IniLine row = platform::ReadIniLine(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    switch (row.kind) {
      case platform::IniLine::Kind::kNothing:
        continue;
      case platform::IniLine::Kind::kUnclosedSection:
        return Refused(AtLine(line, ui::FillPattern(kUnclosedSectionText, {Quoted(row.text)})));
      case platform::IniLine::Kind::kNoKeyValue:
        return Refused(AtLine(line, ui::FillPattern(kNoKeyValueText, {Quoted(row.text)})));
      case platform::IniLine::Kind::kSection:
        // A second [Check] is refused as an unknown one would be: one plan, one section.
        if (row.name != kSection || section_at != 0)
          return Refused(AtLine(line, ui::FillPattern(kUnknownSectionText, {Quoted(row.name)})));
        section_at = line;
        continue;
      case platform::IniLine::Kind::kKeyValue:
        break;
    }
    if (section_at == 0) return Refused(AtLine(line, ui::FillPattern(kKeyOutsideText, {Quoted(row.name)})));
    const auto key = std::find(kKeys.begin(), kKeys.end(), row.name);
    if (key == kKeys.end())
      return Refused(AtLine(line, ui::FillPattern(kUnknownKeyText, {Quoted(row.name)})));
    if (const auto before = given_at.find(*key); before != given_at.end())
      return Refused(AtLine(line, ui::FillPattern(kKeyAgainText, {*key, std::to_string(before->second)})));
    if (const std::string why = Take(*key, row.value, plan); !why.empty()) return Refused(AtLine(line, why));
    given_at[*key] = line;
  }
  if (section_at == 0) return Refused(std::string(kNoSectionText));
  for (std::string_view key : kRequired)
    if (!given_at.contains(key)) return Refused(AtLine(section_at, ui::FillPattern(kMissingKeyText, {key})));
  return {plan, ""};
}

}  // namespace check
