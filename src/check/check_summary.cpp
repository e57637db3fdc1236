#include "check/check_summary.h"

#include "platform/text/decimal_text.h"
#include "platform/ui/text_pattern.h"

namespace check {

namespace {

constexpr std::string_view kPassedText = "检定合格（%1）：%2 个点全部在允许误差 ±%3% 之内。";
// %4 the points that failed, by their percentage ("50%、100%").
constexpr std::string_view kFailedText = "检定不合格（%1）：%2 个点中 %3 个不合格。%4";
constexpr std::string_view kStoppedText = "检定未完成（%1）：完成 %2/%3 个点，检定不合格。";

}  // namespace

std::vector<std::string_view> SummaryTexts() { return {kPassedText, kFailedText, kStoppedText}; }

std::string SummaryText(const CheckResult& result, std::size_t planned) {
  const std::string stage(StageName(result.plan.stage));
  const std::string taken = std::to_string(result.points.size());
  if (result.stopped) return ui::FillPattern(kStoppedText, {stage, taken, std::to_string(planned)});
  if (result.passed())
    return ui::FillPattern(kPassedText,
                           {stage, taken, platform::ShortestDecimalText(result.plan.tolerance_percent)});
  std::size_t failed = 0;
  std::string failing;
  for (const PointResult& p : result.points) {
    if (p.passed) continue;
    ++failed;
    failing += (failing.empty() ? "" : "、") + platform::ShortestDecimalText(p.percent) + "%";
  }
  return ui::FillPattern(kFailedText, {stage, taken, std::to_string(failed), failing});
}

}  // namespace check
