#include "config/station_run.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>

#include "config/settings_apply.h"
#include "config/settings_file_items.h"
#include "discovery/address_change.h"
#include "discovery/bus_search.h"
#include "platform/ui/text_pattern.h"
#include "shell/reply_fill.h"

namespace config {

namespace {

using shell::MainWindow;

// Panel 1 of the status bar while the run goes: the step, the count passed.
constexpr std::string_view kStepText = "工位：%1（已完成 %2 台）";
constexpr std::string_view kFindingStep = "查找变送器";
constexpr std::string_view kApplyingStep = "写入参数并读回校验";
constexpr std::string_view kAddressStep = "修改地址和波特率";
constexpr std::string_view kStoringStep = "保存数据区";
constexpr std::string_view kWaitingStep = "等待下一台变送器";
constexpr std::string_view kEndedText = "工位结束：通过 %1 台，未通过 %2 台，跳过 %3 台";
// The box after each transmitter; %1 its serial number.
constexpr std::string_view kPassedText =
    "序列号 %1 已配置为地址 %2，读回校验通过。%3\n\n请取下它，接上下一台变送器，按“确定”继续；按“取消”结束。";
constexpr std::string_view kFailedText =
    "序列号 %1 未通过，未保存，现在地址 %2：\n%3\n\n请把它从总线上取下，接上下一台变送器，"
    "按“确定”继续；按“取消”结束。";
constexpr std::string_view kStepFailedText = "%1未成功：期望 %2，实际 %3";
constexpr std::string_view kDoneBeforeText =
    "序列号 %1 在报告中已有通过的记录，已经配置过：跳过它，不写入。\n\n请取下它，接上下一台变送器，"
    "按“确定”继续；按“取消”结束。";
// What ends the run by itself.
constexpr std::string_view kNoneFoundText =
    "没有找到变送器（地址 %1、%2 波特没有应答，整个总线也没有）。工位结束。";
constexpr std::string_view kManyFoundText =
    "总线上有 %1 台变送器。工位一次只配置一台：请只接一台，再重新开始。工位结束。";
constexpr std::string_view kNoAddressLeftText = "没有可给的地址了（LastAddress 为 %1）。工位结束。";
constexpr std::string_view kReportFailedText = "%1\n\n报告文件写入失败：%2。工位结束。";
// The steps after the apply, as the report names them and as the box does.
constexpr std::string_view kAddressName = "Address";
constexpr std::string_view kBaudName = "Baud";
constexpr std::string_view kStoreName = "Store";
constexpr std::string_view kAddressChangeText = "修改地址";
constexpr std::string_view kBaudChangeText = "修改波特率";

std::string TwoDigits(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

int BandIndexOf(MainWindow& m, int baud) {
  ui::Control& bands = m["CMB_BAND"];
  for (int i = 0; i < bands.item_count(); ++i)
    if (bands.item_text(i) == std::to_string(baud)) return i;
  return bands.list_index();
}

enum class Found { kOne, kNone, kMany, kPortClosed };

// One transmitter after another until the run ends.
class StationRun {
 public:
  StationRun(MainWindow& m, const StationJob& job)
      : m_(m),
        job_(job),
        next_address_(std::max(job.station.first_address, job.history.highest_passed_address + 1)),
        done_(job.history.passed_serials) {}

  StationTally Run() {
    discovery::StopPolling(m_);
    while (OneTransmitter()) {
    }
    Status(ui::FillPattern(kEndedText, {std::to_string(tally_.passed), std::to_string(tally_.failed),
                                        std::to_string(tally_.skipped)}));
    return tally_;
  }

 private:
  void Status(std::string text) { m_["StatusBar1"].set_panel_text(1, std::move(text)); }
  void Step(std::string_view step) {
    Status(ui::FillPattern(kStepText, {step, std::to_string(tally_.passed)}));
  }
  void End(std::string text) {
    m_.MsgBox(std::move(text), std::string(kStationTitle), ui::MessageBoxIcon::kExclamation);
  }
  bool AskForNext(std::string text, ui::MessageBoxIcon icon) {
    Step(kWaitingStep);
    return m_.MsgBox(std::move(text), std::string(kStationTitle), icon, ui::MessageBoxButtons::kOkCancel) ==
           ui::MessageBoxAnswer::kOk;
  }

  Found Find() {
    Step(kFindingStep);
    if (!m_.MSCommBsq.port_open()) return Found::kPortClosed;
    const StationSettings& s = job_.station;
    if (discovery::SearchOneAddress(m_, TwoDigits(s.probe_address), BandIndexOf(m_, s.probe_baud)))
      return Found::kOne;
    discovery::cmdSEARCH_Click(m_);
    if (!m_.MSCommBsq.port_open()) return Found::kPortClosed;
    const int count = m_["CMB_ADDR"].item_count();
    return count == 1 ? Found::kOne : count == 0 ? Found::kNone : Found::kMany;
  }

  // False when the run ends.
  bool OneTransmitter() {
    if (next_address_ > job_.station.last_address) {
      End(ui::FillPattern(kNoAddressLeftText, {TwoDigits(job_.station.last_address)}));
      return false;
    }
    switch (Find()) {
      case Found::kOne:
        break;
      case Found::kPortClosed:
        m_.MsgBox(std::string(discovery::kPortClosedText), std::string(discovery::kErrorTitle),
                  ui::MessageBoxIcon::kExclamation);
        return false;
      case Found::kNone:
        End(ui::FillPattern(kNoneFoundText, {TwoDigits(job_.station.probe_address),
                                             std::to_string(job_.station.probe_baud)}));
        return false;
      case Found::kMany:
        End(ui::FillPattern(kManyFoundText, {std::to_string(m_["CMB_ADDR"].item_count())}));
        return false;
    }
    // Found and read (the selection reads it).
    const std::string found_at = m_["CMB_ADDR"].text();
    const std::string serial = m_["TXT_ID"].text();
    if (shell::ShowsAnswer(m_["TXT_ID"]) && done_.contains(serial)) {
      ++tally_.skipped;
      return AskForNext(ui::FillPattern(kDoneBeforeText, {serial}), ui::MessageBoxIcon::kExclamation);
    }
    failed_step_ = {};
    where_now_ = found_at;
    ApplyResult result = Configure();
    ReportRow row = ReportRowFor(m_, result);
    const bool passed = result.passed();
    if (!passed) row.address = found_at;
    std::string text =
        passed ? ui::FillPattern(kPassedText, {row.serial, row.address, StoredAreaText(result.stored)})
               : ui::FillPattern(kFailedText, {row.serial, where_now_, FailureText(result)});
    if (!AppendReportRow(job_.report, row)) {
      End(ui::FillPattern(kReportFailedText, {text, job_.report}));
      return false;
    }
    if (passed) {
      ++tally_.passed;
      ++next_address_;
      done_.insert(row.serial);
    } else {
      ++tally_.failed;
    }
    return AskForNext(std::move(text),
                      passed ? ui::MessageBoxIcon::kInformation : ui::MessageBoxIcon::kExclamation);
  }

  // Steps 3 and 4; the result names the first step that failed.
  ApplyResult Configure() {
    Step(kApplyingStep);
    TransmitterSettings unstored = job_.settings;
    unstored.store = StoreArea::kNone;
    ApplyResult result = ApplySettings(m_, unstored);
    if (!result.passed()) return result;

    Step(kAddressStep);
    const std::string address = TwoDigits(next_address_);
    const std::string baud = job_.station.baud ? std::to_string(*job_.station.baud) : m_["TXT_BAND"].text();
    m_["TXT_ADDR"].set_text(address);
    m_["CMB_BAND"].set_list_index(BandIndexOf(m_, std::stoi(baud)));
    // Once the address is sent the transmitter may answer at either: an unanswered change
    // may still have taken, and one that answered has moved it for the steps after it.
    where_now_ = m_["CMB_ADDR"].text() + "/" + address;
    discovery::COM_ADDR_Click(m_);
    if (m_["CMB_ADDR"].text() == address) where_now_ = address;
    if (m_["CMB_ADDR"].text() != address || m_["TXT_ADDR"].text() != address)
      return Failed(std::move(result), kAddressChangeText,
                    {std::string(kAddressName), address, m_["TXT_ADDR"].text(), true});
    if (m_["TXT_BAND"].text() != baud)
      return Failed(std::move(result), kBaudChangeText,
                    {std::string(kBaudName), baud, m_["TXT_BAND"].text(), true});

    Step(kStoringStep);
    if (!StoreDataArea(m_, job_.settings.store))
      return Failed(std::move(result), kStoringStep,
                    {std::string(kStoreName), std::string(StoreAreaName(job_.settings.store)), "none"});
    result.stored = job_.settings.store;
    return result;
  }

  ApplyResult Failed(ApplyResult result, std::string_view step, SettingDifference difference) {
    failed_step_ = step;
    result.differences.push_back(std::move(difference));
    return result;
  }

  // The apply's own text, or the step after it that failed.
  std::string FailureText(const ApplyResult& result) const {
    if (failed_step_.empty()) return ApplyResultText(result);
    const SettingDifference& d = result.differences.back();
    return ui::FillPattern(kStepFailedText, {failed_step_, d.wanted, d.got});
  }

  MainWindow& m_;
  const StationJob& job_;
  int next_address_;
  std::set<std::string, std::less<>> done_;
  StationTally tally_;
  std::string_view failed_step_;  // of the transmitter at hand; empty: none, or the apply
  std::string where_now_;         // the address it answers at, or "found/given" when unsure
};

}  // namespace

StationTally RunStation(MainWindow& m, const StationJob& job) { return StationRun(m, job).Run(); }

std::vector<std::string_view> StationTexts() {
  return {kStationTitle,     kStepText,          kFindingStep,   kApplyingStep,  kAddressStep,
          kStoringStep,      kWaitingStep,       kEndedText,     kPassedText,    kFailedText,
          kStepFailedText,   kDoneBeforeText,    kNoneFoundText, kManyFoundText, kNoAddressLeftText,
          kReportFailedText, kAddressChangeText, kBaudChangeText};
}

}  // namespace config
