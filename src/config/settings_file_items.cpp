#include "config/settings_file_items.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "config/apply_report.h"
#include "config/settings_apply.h"
#include "config/settings_file.h"
#include "config/shown_settings.h"
#include "config/station_run.h"
#include "discovery/bus_search.h"
#include "discovery/device_read.h"
#include "platform/clock.h"
#include "platform/file_contents.h"
#include "platform/ui/text_pattern.h"
#include "platform/ui/user_actions.h"
#include "shell/asked_file.h"

namespace config {

namespace {

using shell::MainWindow;

constexpr std::string_view kSaveTitle = "保存参数文件";
constexpr std::string_view kApplyTitle = "应用参数文件";
constexpr std::string_view kNoStationText =
    "参数文件没有 [Station] 节：生产工位需要要给的地址（FirstAddress、LastAddress）。\n%1";
constexpr std::string_view kReportUnreadableText = "无法读取报告文件，工位未开始：%1";
constexpr std::string_view kReportTitle = "选择报告文件";
constexpr std::string_view kSettingsFilter = "参数文件 (*.ini)";
constexpr std::string_view kReportFilter = "报告文件 (*.csv)";
// The message boxes' texts; a %N is a file path, a reason or a value (ui::FillPattern).
constexpr std::string_view kSelectFirstText = "请先搜索并选择一台变送器。";
constexpr std::string_view kUnreadableText = "无法读取参数文件：%1";
constexpr std::string_view kTooLargeText = "文件太大，不是参数文件（最大 64 KiB）：%1";
constexpr std::string_view kRefusedText = "参数文件有误，未写入变送器：\n%1\n%2";
constexpr std::string_view kStoredUserText = "已保存到用户数据区。";
constexpr std::string_view kStoredFactoryText = "已保存到工厂数据区。";
constexpr std::string_view kStoredNoneText = "参数文件要求不保存到数据区（Store=none）。";
constexpr std::string_view kPassedText = "参数已写入，读回校验通过。\n%1";
constexpr std::string_view kFailedText = "校验未通过，未保存到数据区。以下参数与文件不符：%1";
// One line a difference: a text of many is still the pattern filled in, its last part
// holding the next line.
constexpr std::string_view kDifferenceText = "%1：期望 %2，实际 %3";
constexpr std::string_view kReadFailedText = "读取变送器参数失败，未保存：%1";
constexpr std::string_view kNotWrittenText = "读取变送器参数失败，未写入变送器：%1";
constexpr std::string_view kUnwritableText = "无法写入文件：%1";
constexpr std::string_view kSavedText = "参数已保存到 %1";
constexpr std::string_view kFactoryClosedText =
    "参数文件要求写入工厂数据区，但工厂数据区的写入未开放：未写入变送器。";
constexpr std::string_view kReportUnwritableText = "无法写入报告文件，未写入变送器：%1";
constexpr std::string_view kReportFailedText = "%1\n\n报告文件写入失败：%2";
// The kinds of file whose last choice is remembered.
constexpr std::string_view kSettingsKey = "profile";
constexpr std::string_view kReportKey = "report";
// A settings file is a few lines; anything far larger is not one.
constexpr std::size_t kLargestSettingsFile = 64 * 1024;

void Tell(MainWindow& m, std::string_view title, std::string text, ui::MessageBoxIcon icon) {
  m.MsgBox(std::move(text), std::string(title), icon);
}

using shell::AskForFile;

bool TransmitterSelected(MainWindow& m, std::string_view title) {
  if (discovery::HasSelectedEntry(m)) return true;
  Tell(m, title, std::string(kSelectFirstText), ui::MessageBoxIcon::kExclamation);
  return false;
}

// Where a saved file came from, for the comment at its top.
std::string Origin(MainWindow& m) {
  return "地址 " + m["CMB_ADDR"].text() + "，型号 " + m["TXT_TYPE"].text() + "，序列号 " +
         m["TXT_ID"].text() + "，版本 " + m["TXT_VER"].text() + "，" +
         platform::LocalIsoTime(m.clock.wall_ms());
}

// The file read; nothing, when it is unreadable or refused, after a box saying why.
std::optional<SettingsFileRead> LoadSettingsFile(MainWindow& m, const std::string& path,
                                                 std::string_view title) {
  std::string text;
  const platform::SmallFileRead got = platform::ReadSmallFile(path, kLargestSettingsFile, text);
  if (got != platform::SmallFileRead::kRead) {
    const std::string_view why = got == platform::SmallFileRead::kTooLarge ? kTooLargeText : kUnreadableText;
    Tell(m, title, ui::FillPattern(why, {path}), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  SettingsFileRead read = ReadSettingsFile(text);
  if (!read.settings) {
    Tell(m, title, ui::FillPattern(kRefusedText, {path, read.error}), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  return read;
}

// The settings file (one with a [Station] section for a `station`) and the report,
// asked for and checked: nothing when one was not given or cannot be used (a box has said why).
struct ApplyFiles {
  SettingsFileRead read;
  std::string report;
};
std::optional<ApplyFiles> AskForApplyFiles(MainWindow& m, std::string_view title, bool station) {
  const std::optional<std::string> path =
      AskForFile(m, ui::FilePurpose::kOpen, kSettingsKey, title, kSettingsFilter);
  if (!path) return std::nullopt;
  std::optional<SettingsFileRead> read = LoadSettingsFile(m, *path, title);
  if (!read) return std::nullopt;
  if (read->settings->store == StoreArea::kFactory && !FactoryStoreOpen(m)) {
    Tell(m, title, std::string(kFactoryClosedText), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  if (station && !read->station) {
    Tell(m, title, ui::FillPattern(kNoStationText, {*path}), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  const std::optional<std::string> report =
      AskForFile(m, ui::FilePurpose::kAppend, kReportKey, kReportTitle, kReportFilter);
  if (!report) return std::nullopt;
  if (!ReportWritable(*report)) {
    Tell(m, title, ui::FillPattern(kReportUnwritableText, {*report}), ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  return ApplyFiles{std::move(*read), *report};
}

}  // namespace

std::string StoredAreaText(StoreArea area) {
  switch (area) {
    case StoreArea::kUser:
      return std::string(kStoredUserText);
    case StoreArea::kFactory:
      return std::string(kStoredFactoryText);
    case StoreArea::kNone:
      break;
  }
  return std::string(kStoredNoneText);
}

std::string ApplyResultText(const ApplyResult& result) {
  if (result.passed()) return ui::FillPattern(kPassedText, {StoredAreaText(result.stored)});
  if (std::all_of(result.differences.begin(), result.differences.end(),
                  [](const SettingDifference& d) { return d.unread; })) {
    std::string names;
    for (const SettingDifference& d : result.differences) names += (names.empty() ? "" : "、") + d.name;
    return ui::FillPattern(result.written ? kReadFailedText : kNotWrittenText,
                           {ui::FillPattern(kNoValidValueText, {names})});
  }
  std::string differences;
  for (const SettingDifference& d : result.differences)
    differences += "\n" + ui::FillPattern(kDifferenceText, {d.name, d.wanted, d.got});
  return ui::FillPattern(kFailedText, {differences});
}

std::vector<std::string_view> SettingsFileTexts() {
  std::vector<std::string_view> texts{
      kSaveTitle,         kApplyTitle,       kReportTitle,    kSettingsFilter,    kReportFilter,
      kSelectFirstText,   kUnreadableText,   kTooLargeText,   kRefusedText,       kStoredUserText,
      kStoredFactoryText, kStoredNoneText,   kPassedText,     kFailedText,        kDifferenceText,
      kReadFailedText,    kUnwritableText,   kSavedText,      kFactoryClosedText, kReportUnwritableText,
      kReportFailedText,  kNoValidValueText, kNotWrittenText, kNoStationText,     kReportUnreadableText};
  for (std::string_view text : SettingsFileFaultTexts()) texts.push_back(text);
  return texts;
}

void mnuSaveProfile_Click(MainWindow& m) {
  if (!TransmitterSelected(m, kSaveTitle)) return;
  const std::optional<std::string> path =
      AskForFile(m, ui::FilePurpose::kSave, kSettingsKey, kSaveTitle, kSettingsFilter);
  if (!path) return;
  {
    // What the transmitter holds, not what was typed since; a unit read that differs is
    // only written back.
    const discovery::UnitListHeld held(m);
    discovery::ReadAllParameters(m);
  }
  std::string why;
  const std::optional<TransmitterSettings> settings = FileSettings(SettingsShown(m), StoreArea::kUser, why);
  if (!settings) {
    Tell(m, kSaveTitle, ui::FillPattern(kReadFailedText, {why}), ui::MessageBoxIcon::kExclamation);
    return;
  }
  if (!platform::WriteFileAtomically(*path, WriteSettingsFile(*settings, Origin(m)))) {
    Tell(m, kSaveTitle, ui::FillPattern(kUnwritableText, {*path}), ui::MessageBoxIcon::kExclamation);
    return;
  }
  Tell(m, kSaveTitle, ui::FillPattern(kSavedText, {*path}), ui::MessageBoxIcon::kInformation);
}

void mnuApplyProfile_Click(MainWindow& m) {
  if (!TransmitterSelected(m, kApplyTitle)) return;
  // The apply moves the focus as the user would; a box whose validation keeps it (an
  // address out of range in TXT_ADDR) has said why, and nothing starts.
  if (ui::UserActions(m.window()).Focus({"cmbUnit", -1}).status == ui::ActionStatus::kRefused) return;
  const std::optional<ApplyFiles> files = AskForApplyFiles(m, kApplyTitle, false);
  if (!files) return;
  const std::string& report = files->report;
  const ApplyResult result = ApplySettings(m, *files->read.settings);
  std::string text = ApplyResultText(result);
  const bool reported = AppendReportRow(report, ReportRowFor(m, result));
  if (!reported) text = ui::FillPattern(kReportFailedText, {text, report});
  // A passed apply without its report row is no success to be filed away.
  Tell(m, kApplyTitle, text,
       result.passed() && reported ? ui::MessageBoxIcon::kInformation : ui::MessageBoxIcon::kExclamation);
}

void mnuStation_Click(MainWindow& m) {
  discovery::StopPolling(m);
  const std::optional<ApplyFiles> files = AskForApplyFiles(m, kStationTitle, true);
  if (!files) return;
  const std::optional<ReportHistory> history = ReadReportHistory(files->report);
  if (!history) {
    Tell(m, kStationTitle, ui::FillPattern(kReportUnreadableText, {files->report}),
         ui::MessageBoxIcon::kExclamation);
    return;
  }
  RunStation(m, {*files->read.settings, *files->read.station, files->report, *history});
}

}  // namespace config
