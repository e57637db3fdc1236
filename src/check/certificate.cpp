#include "check/certificate.h"

#include "check/point_arithmetic.h"
#include "platform/text/decimal_text.h"

namespace check {

namespace {

// A certificate goes to people who may read either language: every label has both.
constexpr std::string_view kTitle = "校准检查证书  Calibration check certificate";
constexpr std::string_view kAsFound = "调整前  As found";
constexpr std::string_view kAsLeft = "调整后  As left";

std::string Number(const std::optional<double>& x, int decimals) {
  return x ? platform::DecimalText(*x, decimals) : "—";
}

std::string PointList(const CheckPlan& plan) {
  std::string text;
  for (double x : plan.Sequence()) text += (text.empty() ? "" : ", ") + platform::ShortestDecimalText(x);
  return text + " %";
}

CertificatePage PageOf(const CheckResult& r) {
  const Identity& id = r.identity;
  const CheckPlan& plan = r.plan;
  CertificatePage page;
  page.title = std::string(kTitle);
  page.stage = std::string(plan.stage == Stage::kAsLeft ? kAsLeft : kAsFound);
  page.identity = {
      {"型号 Type", id.type},       {"序列号 Serial number", id.serial},
      {"版本 Version", id.version}, {"量程 Range", id.range_low + " … " + id.range_high + " " + id.unit},
      {"地址 Address", id.address}, {"日期 Date", r.time}};
  page.plan = {
      {"检查点 Points", PointList(plan)},
      {"允许误差 Tolerance", "± " + platform::ShortestDecimalText(plan.tolerance_percent) + " % span"},
      {"平均读数 Readings averaged", std::to_string(plan.readings)},
      {"稳定判据 Stable within", platform::ShortestDecimalText(plan.stable_spread) + " " + id.unit},
      {"参考 Reference", plan.typed_reference() ? "手动输入 typed" : "变送器 transmitter " + plan.reference}};
  page.table_head = {"点 Point %",
                     "标称 Nominal " + id.unit,
                     "参考 Reference " + id.unit,
                     "读数 Reading " + id.unit,
                     "误差 Error % span",
                     "结果 Result"};
  for (const PointResult& p : r.points) {
    std::string verdict(VerdictName(p.passed));
    if (!p.reason.empty()) verdict += " (" + p.reason + ")";
    page.table.push_back({platform::ShortestDecimalText(p.percent),
                          platform::DecimalText(p.nominal, r.decimals), Number(p.reference, r.decimals),
                          Number(p.reading, r.decimals), Number(p.error_percent, kErrorDecimals), verdict});
    if (p.error_percent) page.plot.push_back({p.percent, *p.error_percent, p.passed});
  }
  page.tolerance_percent = plan.tolerance_percent;
  page.passed = r.passed();
  page.verdict = "结论 Verdict: " + std::string(VerdictName(page.passed));
  if (r.stopped) page.verdict += "  (检查未完成 not completed)";
  page.signature = {{"检查人 Operator", plan.operator_name}, {"签名 Signature", ""}, {"日期 Date", ""}};
  return page;
}

}  // namespace

Certificate MakeCertificate(const std::vector<CheckResult>& checks) {
  Certificate certificate;
  if (!checks.empty()) certificate.serial = checks.front().identity.serial;
  for (const CheckResult& r : checks) certificate.pages.push_back(PageOf(r));
  return certificate;
}

}  // namespace check
