#include "check/check_run.h"

#include <algorithm>
#include <utility>

#include "check/check_log.h"
#include "check/check_summary.h"
#include "check/point_arithmetic.h"
#include "discovery/bus_search.h"
#include "discovery/device_read.h"
#include "measure/poll_outcome.h"
#include "measure/polling.h"
#include "platform/appending_file.h"
#include "platform/file_contents.h"
#include "platform/text/decimal_text.h"
#include "platform/text/numeric_value.h"
#include "platform/ui/text_pattern.h"
#include "protocol/commands.h"
#include "protocol/frame.h"
#include "shell/asked_file.h"
#include "shell/reply_fill.h"
#include "shell/search_state.h"

namespace check {

namespace {

constexpr std::string_view kPlanTitle = "选择检定计划";
constexpr std::string_view kCertificateTitle = "保存证书";
constexpr std::string_view kLogTitle = "选择检定记录文件";
constexpr std::string_view kPlanFilter = "检定计划 (*.ini)";
constexpr std::string_view kCertificateFilter = "证书 (*.pdf)";
constexpr std::string_view kLogFilter = "检定记录 (*.csv)";
// The message boxes' texts; a %N is a file path, a reason, a number or a unit.
constexpr std::string_view kSelectFirstText = "请先搜索并选择一台变送器。";
constexpr std::string_view kUnreadablePlanText = "无法读取检定计划：%1";
constexpr std::string_view kRefusedPlanText = "检定计划有误：\n%1\n%2";
constexpr std::string_view kTypedHeadlessText =
    "此检定计划需要手动输入参考值（Reference=typed），无界面模式下不能运行。";
constexpr std::string_view kLogUnwritableText = "无法写入检定记录文件：%1";
constexpr std::string_view kNoWriterText = "无法生成证书：本程序没有证书输出。";
constexpr std::string_view kIdentityFailedText = "读取变送器参数失败，未开始检定。";
constexpr std::string_view kSameAddressText = "参考变送器的地址 %1 就是被检变送器的地址。";
constexpr std::string_view kReferenceSilentText = "参考变送器 %1 无应答：%2。未开始检定。";
constexpr std::string_view kUnitMismatchText =
    "参考变送器 %1 的单位（%2）与被检变送器的单位（%3）不同，未开始检定。";
constexpr std::string_view kSetPressureText =
    "第 %1/%2 点：请将压力设定为 %3 %4（量程的 %5%），稳定后按确定。";
constexpr std::string_view kFilesText = "%1\n证书：%2\n记录：%3";
constexpr std::string_view kFileFailedText = "%1\n\n%2";
constexpr std::string_view kNoAnswerText = "%1无应答：%2";
constexpr std::string_view kUnsteadyText = "读数不稳定";
constexpr std::string_view kTransmitterText = "被检变送器";
constexpr std::string_view kReferenceText = "参考变送器";
// The plan is a few lines; anything far larger is not one.
constexpr std::size_t kLargestPlan = 64 * 1024;

// A result as a reason: without its closing CR.
std::string Shown(std::string_view result) {
  while (!result.empty() && (result.back() == '\r' || result.back() == '\n')) result.remove_suffix(1);
  return std::string(result);
}

// How many decimals a reading was written with ("+0040.00" has 2).
int DecimalsOf(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return 0;
  std::size_t n = 0;
  while (point + 1 + n < text.size() && text[point + 1 + n] >= '0' && text[point + 1 + n] <= '9') ++n;
  return static_cast<int>(n);
}

}  // namespace

std::vector<std::string_view> CheckTexts() {
  std::vector<std::string_view> texts{
      kCheckTitle,          kPlanTitle,         kCertificateTitle, kLogTitle,           kPlanFilter,
      kCertificateFilter,   kLogFilter,         kSelectFirstText,  kUnreadablePlanText, kRefusedPlanText,
      kTypedHeadlessText,   kLogUnwritableText, kNoWriterText,     kIdentityFailedText, kSameAddressText,
      kReferenceSilentText, kUnitMismatchText,  kSetPressureText,  kFilesText,          kFileFailedText,
      kNoAnswerText,        kUnsteadyText,      kTransmitterText,  kReferenceText};
  for (std::string_view text : CheckPlanFaultTexts()) texts.push_back(text);
  for (std::string_view text : SummaryTexts()) texts.push_back(text);
  return texts;
}

CheckRun::CheckRun(shell::MainWindow& main) : main_(main) {}

void CheckRun::Tell(std::string text, ui::MessageBoxIcon icon) {
  main_.MsgBox(std::move(text), std::string(kCheckTitle), icon);
}

void CheckRun::Click() {
  if (progress_.running || shell::SearchIsRunning(main_)) return;
  if (!discovery::HasSelectedEntry(main_)) {
    Tell(std::string(kSelectFirstText), ui::MessageBoxIcon::kExclamation);
    return;
  }
  const std::optional<std::string> plan_path =
      shell::AskForFile(main_, ui::FilePurpose::kOpen, "check", kPlanTitle, kPlanFilter);
  if (!plan_path) return;
  std::string text;
  if (platform::ReadSmallFile(*plan_path, kLargestPlan, text) != platform::SmallFileRead::kRead) {
    Tell(ui::FillPattern(kUnreadablePlanText, {*plan_path}), ui::MessageBoxIcon::kExclamation);
    return;
  }
  const CheckPlanRead read = ReadCheckPlan(text);
  if (!read.plan) {
    Tell(ui::FillPattern(kRefusedPlanText, {*plan_path, read.error}), ui::MessageBoxIcon::kExclamation);
    return;
  }
  if (read.plan->typed_reference() && !ask_reference_) {
    Tell(std::string(kTypedHeadlessText), ui::MessageBoxIcon::kExclamation);
    return;
  }
  const std::optional<std::string> certificate =
      shell::AskForFile(main_, ui::FilePurpose::kSave, "certificate", kCertificateTitle, kCertificateFilter);
  if (!certificate) return;
  const std::optional<std::string> log =
      shell::AskForFile(main_, ui::FilePurpose::kAppend, "check-log", kLogTitle, kLogFilter);
  if (!log) return;
  Run(*read.plan, *certificate, *log);
}

std::optional<Identity> CheckRun::ReadIdentity() {
  {
    const discovery::UnitListHeld held(main_);
    discovery::ReadAllParameters(main_);
  }
  const char* const boxes[] = {"TXT_TYPE", "TXT_ID", "TXT_VER", "TXT_DPL", "TXT_DPH"};
  for (const char* box : boxes)
    if (!shell::ShowsAnswer(main_[box]) || main_[box].text().empty()) return std::nullopt;
  if (!shell::ListAnswered(main_, "cmbUnit")) return std::nullopt;
  const std::optional<double> low = platform::LeadingNumber(main_["TXT_DPL"].text());
  const std::optional<double> high = platform::LeadingNumber(main_["TXT_DPH"].text());
  if (!low || !high || *low == *high) return std::nullopt;
  return Identity{main_["CMB_ADDR"].text(),
                  main_["TXT_TYPE"].text(),
                  main_["TXT_ID"].text(),
                  main_["TXT_VER"].text(),
                  main_["TXT_DPL"].text(),
                  main_["TXT_DPH"].text(),
                  main_["cmbUnit"].text(),
                  *low,
                  *high};
}

CheckRun::Poll CheckRun::PollPressure(const std::string& address) {
  const std::string result = main_.SendAsHolder(address, measure::PollCommand(measure::Quantity::kPressure));
  const measure::PollOutcome outcome = measure::PressureOutcome(result);
  const std::optional<double> value = outcome.failed ? std::nullopt : platform::LeadingNumber(outcome.text);
  if (!value) return {std::nullopt, Shown(outcome.text)};
  if (progress_.decimals < DecimalsOf(outcome.text)) progress_.decimals = DecimalsOf(outcome.text);
  return {value, ""};
}

bool CheckRun::ReferenceAgrees(const std::string& reference, const Identity& id) {
  // A reference in another unit would give every point a wrong error: both must agree.
  const std::string result = main_.Comm_Send(reference, protocol::cmd::kUnit);
  if (!shell::Answered(result) || result.size() <= 4) {
    Tell(ui::FillPattern(kReferenceSilentText, {reference, Shown(result)}), ui::MessageBoxIcon::kExclamation);
    return false;
  }
  const std::optional<int> code = platform::NumericIndex(protocol::ValueCut(result));
  const ui::Control& units = main_["cmbUnit"];
  const std::string unit = code && *code >= 0 && *code < units.item_count()
                               ? units.item_text(*code)
                               : Shown(protocol::ValueCut(result));
  if (unit == id.unit) return true;
  Tell(ui::FillPattern(kUnitMismatchText, {reference, unit, id.unit}), ui::MessageBoxIcon::kExclamation);
  return false;
}

bool CheckRun::Pause() {
  const std::uint64_t until = main_.clock.now_us() + std::uint64_t{kReadingPeriodMs} * 1000;
  // In slices, so the window answers between readings.
  constexpr std::uint64_t kSliceUs = 25'000;
  do {
    main_.services().DoEvents();
    if (stop_requested_ || main_.window().closed() || !main_.MSCommBsq.port_open()) return false;
    main_.clock.sleep_until_us(std::min(until, main_.clock.now_us() + kSliceUs));
  } while (main_.clock.now_us() < until);
  return true;
}

PointResult CheckRun::TakePoint(const CheckPlan& plan, const Identity& id, double percent, bool& ended) {
  PointResult point;
  point.percent = percent;
  point.nominal = NominalPressure(percent, id.low, id.high);
  const bool with_reference = !plan.typed_reference();
  std::vector<double> readings, references;
  const int most = plan.readings + kExtraReadings;
  for (int n = 0; n < most; ++n) {
    if (n > 0 && !Pause()) {
      ended = true;
      return point;
    }
    const Poll under_test = PollPressure(id.address);
    const Poll reference = with_reference ? PollPressure(plan.reference) : Poll{0.0, ""};
    point.time = platform::LocalIsoTime(main_.clock.wall_ms());
    if (!under_test.value || !reference.value) {
      const bool tested_failed = !under_test.value;
      point.reason = ui::FillPattern(kNoAnswerText, {tested_failed ? kTransmitterText : kReferenceText,
                                                     tested_failed ? under_test.failure : reference.failure});
      progress_.reading = under_test.value;
      changes_.Notify();
      return point;
    }
    readings.push_back(*under_test.value);
    if (with_reference) references.push_back(*reference.value);
    const std::size_t window = std::min(readings.size(), static_cast<std::size_t>(plan.readings));
    progress_.reading = under_test.value;
    progress_.reference = with_reference ? reference.value : std::nullopt;
    progress_.spread = std::max(Spread(std::span(readings).last(window)),
                                Spread(std::span(references).last(std::min(window, references.size()))));
    progress_.stable = Stable(readings, plan.readings, plan.stable_spread) &&
                       (!with_reference || Stable(references, plan.readings, plan.stable_spread));
    changes_.Notify();
    if (!progress_.stable) continue;
    point.reading = Mean(std::span(readings).last(window));
    if (with_reference) {
      point.reference = Mean(std::span(references).last(window));
    } else {
      progress_.waiting_for_reference = true;
      changes_.Notify();
      point.reference = ask_reference_({point.nominal, *point.reading, id.unit});
      progress_.waiting_for_reference = false;
      if (!point.reference) {
        ended = true;
        return point;
      }
    }
    point.error_percent = ErrorPercentOfSpan(*point.reading, *point.reference, id.low, id.high);
    point.passed = point.error_percent && WithinTolerance(*point.error_percent, plan.tolerance_percent);
    return point;
  }
  point.reason = std::string(kUnsteadyText);
  return point;
}

std::optional<CheckResult> CheckRun::Run(const CheckPlan& plan, const std::string& certificate_path,
                                         const std::string& log_path) {
  if (progress_.running) return std::nullopt;
  if (!main_.MSCommBsq.port_open()) {
    Tell(std::string(discovery::kPortClosedText), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  if (!write_certificate_) {
    Tell(std::string(kNoWriterText), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  std::string error;
  if (!platform::AppendingFile::Open(log_path, "", error)) {
    Tell(ui::FillPattern(kLogUnwritableText, {log_path}), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  // The check reads the transmitter afresh and polls it itself: the polling rests.
  main_.ReleasePort();
  measure::StopPolling(main_);
  const std::optional<Identity> identity = ReadIdentity();
  if (!identity) {
    Tell(std::string(kIdentityFailedText), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  if (plan.reference == identity->address) {
    Tell(ui::FillPattern(kSameAddressText, {plan.reference}), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  if (!plan.typed_reference() && !ReferenceAgrees(plan.reference, *identity)) return std::nullopt;

  // The check keeps the port between its polls: anything else that talks on the port (a
  // search, a read, the bus poll, a typed command) takes it back and so ends the check.
  stop_requested_ = false;
  holding_port_ = true;
  main_.HoldPort([this] {
    holding_port_ = false;
    stop_requested_ = true;
  });
  CheckResult result;
  result.identity = *identity;
  result.plan = plan;
  result.time = platform::LocalIsoTime(main_.clock.wall_ms());
  const std::vector<double> sequence = plan.Sequence();
  progress_ = CheckProgress{};
  progress_.running = true;
  progress_.point_count = sequence.size();
  progress_.unit = identity->unit;
  progress_.decimals = DecimalsOf(identity->range_high);
  changes_.Notify();
  for (std::size_t k = 0; k < sequence.size() && !result.stopped; ++k) {
    progress_.point = k;
    progress_.nominal = NominalPressure(sequence[k], identity->low, identity->high);
    progress_.reading = progress_.reference = std::nullopt;
    progress_.stable = false;
    changes_.Notify();
    const std::string ask =
        ui::FillPattern(kSetPressureText, {std::to_string(k + 1), std::to_string(sequence.size()),
                                           platform::DecimalText(progress_.nominal, progress_.decimals),
                                           identity->unit, platform::ShortestDecimalText(sequence[k])});
    if (main_.MsgBox(ask, std::string(kCheckTitle), ui::MessageBoxIcon::kInformation,
                     ui::MessageBoxButtons::kOkCancel) != ui::MessageBoxAnswer::kOk ||
        stop_requested_) {
      result.stopped = true;
      break;
    }
    bool ended = false;
    PointResult point = TakePoint(plan, *identity, sequence[k], ended);
    if (ended) {
      result.stopped = true;
      break;
    }
    result.points.push_back(point);
    progress_.done.push_back(std::move(point));
    changes_.Notify();
  }
  if (std::exchange(holding_port_, false)) main_.HoldPort(nullptr);
  result.decimals = progress_.decimals;
  progress_.running = false;
  changes_.Notify();

  session_[identity->serial][plan.stage] = result;
  std::string text =
      ui::FillPattern(kFilesText, {SummaryText(result, sequence.size()), certificate_path, log_path});
  bool files_written = true;
  if (!platform::AppendToFile(log_path, CheckLogHeader(), CheckLogRows(result), error)) {
    text = ui::FillPattern(kFileFailedText, {text, error});
    files_written = false;
  }
  if (!write_certificate_(MakeCertificate(ChecksOf(identity->serial)), certificate_path, error)) {
    text = ui::FillPattern(kFileFailedText, {text, error});
    files_written = false;
  }
  Tell(text, result.passed() && files_written ? ui::MessageBoxIcon::kInformation
                                              : ui::MessageBoxIcon::kExclamation);
  return result;
}

std::vector<CheckResult> CheckRun::ChecksOf(const std::string& serial) const {
  std::vector<CheckResult> checks;
  const auto found = session_.find(serial);
  if (found == session_.end()) return checks;
  for (const auto& [stage, result] : found->second) checks.push_back(result);  // as found, then as left
  return checks;
}

}  // namespace check
