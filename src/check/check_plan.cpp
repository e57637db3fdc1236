#include "check/check_plan.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/text/file_line_text.h"
#include "platform/text/ini_document.h"
#include "platform/text/numeric_value.h"
#include "platform/text/trim.h"
#include "platform/ui/text_pattern.h"

namespace check {

namespace {

constexpr std::string_view kTyped = "typed";
constexpr int kFewestReadings = 2;
constexpr int kMostReadings = 50;
constexpr std::size_t kMostPoints = 21;

// The plan's one section and its keys.
constexpr std::array<platform::IniSection, 1> kSections{{{"Check", true}}};
constexpr std::array<platform::IniKey, 8> kKeys{{
    {0, "Points", false},
    {0, "Direction", false},
    {0, "TolerancePercent", true},
    {0, "Readings", false},
    {0, "StableSpread", true},
    {0, "Reference", true},
    {0, "Stage", false},
    {0, "Operator", false},
}};

constexpr std::string_view kPointsText =
    "Points 应为 0 到 100 之间的百分数，以逗号分隔（最多 21 个），而不是%1";
constexpr std::string_view kDirectionText = "Direction 应为 up 或 updown，而不是%1";
constexpr std::string_view kPositiveText = "%1 应为大于 0 的数，而不是%2";
constexpr std::string_view kReadingsText = "Readings 应为 2 到 50 的整数，而不是%1";
constexpr std::string_view kReferenceText = "Reference 应为 01 到 99 的地址或 typed，而不是%1";
constexpr std::string_view kStageText = "Stage 应为 as_found 或 as_left，而不是%1";
constexpr std::string_view kUnknownSectionText = "未知的节%1，检定计划只有 [Check] 一节";
constexpr std::string_view kKeyOutsideText = "键%1不在 [Check] 节中";
constexpr std::string_view kNoSectionText = "文件中没有 [Check] 节";
constexpr std::string_view kMissingKeyText = "[Check] 节缺少键 %1";

constexpr platform::IniLayout kLayout{kSections, kKeys,
                                      platform::IniTexts{
                                          .unknown_section = kUnknownSectionText,
                                          // A second [Check] is refused as an unknown
                                          // section: one plan, one section.
                                          .section_again = {},
                                          .key_outside = kKeyOutsideText,
                                          .no_section = kNoSectionText,
                                          .missing_key = kMissingKeyText,
                                      }};

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
  return platform::WithIniFaultTexts({kPointsText, kDirectionText, kPositiveText, kReadingsText,
                                      kReferenceText, kStageText, kUnknownSectionText, kKeyOutsideText,
                                      kNoSectionText, kMissingKeyText});
}

CheckPlanRead ReadCheckPlan(std::string_view text) {
  CheckPlan plan;
  const platform::IniDocumentRead read = platform::ReadIniDocument(
      text, kLayout,
      [&plan](std::size_t key, std::string_view value) { return Take(kKeys[key].name, value, plan); });
  if (!read.refusal.empty()) return Refused(read.refusal);
  return {plan, ""};
}

}  // namespace check
