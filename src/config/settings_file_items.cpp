#include "config/settings_file_items.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "config/apply_report.h"
#include "config/settings_apply.h"
#include "config/settings_file.h"
#include "config/shown_settings.h"
#include "discovery/device_read.h"
#include "platform/clock.h"
#include "platform/file_contents.h"
#include "platform/ui/user_actions.h"

namespace config {

namespace {

using shell::MainWindow;

constexpr std::string_view kSaveTitle = "保存参数文件";
constexpr std::string_view kApplyTitle = "应用参数文件";
constexpr std::string_view kSettingsFilter = "参数文件 (*.ini)";
constexpr std::string_view kReportFilter = "报告文件 (*.csv)";
// Where the last choices are remembered: section "Files", one key per kind of file.
constexpr std::string_view kFilesSection = "Files";
constexpr std::string_view kSettingsKey = "profile";
constexpr std::string_view kReportKey = "report";
// A settings file is a few lines; anything far larger is not one.
constexpr std::size_t kLargestSettingsFile = 64 * 1024;

void Tell(MainWindow& m, std::string_view title, std::string text, ui::MessageBoxIcon icon) {
  m.MsgBox(std::move(text), std::string(title), icon);
}

// A file asked for, starting at the last one chosen for the same key; the choice is
// remembered for the next time.
std::optional<std::string> AskForFile(MainWindow& m, ui::FilePurpose purpose, std::string_view key,
                                      std::string_view title, std::string_view filter) {
  const std::string app(shell::kAppTitle);
  const ui::FileChoiceRequest request{purpose, std::string(key), std::string(title), std::string(filter),
                                      m.settings.Get(app, kFilesSection, key)};
  std::optional<std::string> path = m.services().ChooseFile(request);
  if (!path || path->empty()) return std::nullopt;
  // Remembered whole, so a dialog opened from another folder next time still finds it.
  std::error_code failed;
  const std::filesystem::path whole = std::filesystem::absolute(*path, failed);
  m.settings.Set(app, kFilesSection, key, failed ? *path : whole.string());
  return path;
}

bool TransmitterSelected(MainWindow& m, std::string_view title) {
  if (discovery::HasSelectedEntry(m)) return true;
  Tell(m, title, "请先搜索并选择一台变送器。", ui::MessageBoxIcon::kExclamation);
  return false;
}

// Where a saved file came from, for the comment at its top.
std::string Origin(MainWindow& m) {
  return "地址 " + m["CMB_ADDR"].text() + "，型号 " + m["TXT_TYPE"].text() + "，序列号 " +
         m["TXT_ID"].text() + "，版本 " + m["TXT_VER"].text() + "，" +
         platform::LocalIsoTime(m.clock.wall_ms());
}

std::optional<TransmitterSettings> LoadSettingsFile(MainWindow& m, const std::string& path) {
  std::string text;
  if (!platform::ReadSmallFile(path, kLargestSettingsFile, text)) {
    Tell(m, kApplyTitle, "无法读取参数文件：" + path, ui::MessageBoxIcon::kExclamation);
    return std::nullopt;
  }
  SettingsFileRead read = ReadSettingsFile(text);
  if (!read.settings)
    Tell(m, kApplyTitle, "参数文件有误，未写入变送器：\n" + path + "\n" + read.error,
         ui::MessageBoxIcon::kExclamation);
  return read.settings;
}

std::string StoredText(StoreArea area) {
  switch (area) {
    case StoreArea::kUser:
      return "已保存到用户数据区。";
    case StoreArea::kFactory:
      return "已保存到工厂数据区。";
    case StoreArea::kNone:
      break;
  }
  return "参数文件要求不保存到数据区（Store=none）。";
}

std::string ResultText(const ApplyResult& result) {
  if (result.passed()) return "参数已写入，读回校验通过。\n" + StoredText(result.stored);
  std::string text = "校验未通过，未保存到数据区。以下参数与文件不符：";
  for (const SettingDifference& d : result.differences)
    text += "\n" + d.name + "：期望 " + d.wanted + "，实际 " + d.got;
  return text;
}

ReportRow RowFor(MainWindow& m, const ApplyResult& result) {
  return {platform::LocalIsoTime(m.clock.wall_ms()),
          m.MSCommBsq.comm_port(),
          m["CMB_ADDR"].text(),
          m["TXT_TYPE"].text(),
          m["TXT_ID"].text(),
          m["TXT_VER"].text(),
          result.read_back,
          result.stored,
          result.passed(),
          result.differences};
}

}  // namespace

void mnuSaveProfile_Click(MainWindow& m) {
  if (!TransmitterSelected(m, kSaveTitle)) return;
  const std::optional<std::string> path =
      AskForFile(m, ui::FilePurpose::kSave, kSettingsKey, kSaveTitle, kSettingsFilter);
  if (!path) return;
  discovery::ReadAllParameters(m);  // what the transmitter holds, not what was typed since
  std::string why;
  const std::optional<TransmitterSettings> settings = FileSettings(SettingsShown(m), StoreArea::kUser, why);
  if (!settings) {
    Tell(m, kSaveTitle, "读取变送器参数失败，未保存：" + why, ui::MessageBoxIcon::kExclamation);
    return;
  }
  if (!platform::WriteFileAtomically(*path, WriteSettingsFile(*settings, Origin(m)))) {
    Tell(m, kSaveTitle, "无法写入文件：" + *path, ui::MessageBoxIcon::kExclamation);
    return;
  }
  Tell(m, kSaveTitle, "参数已保存到 " + *path, ui::MessageBoxIcon::kInformation);
}

void mnuApplyProfile_Click(MainWindow& m) {
  if (!TransmitterSelected(m, kApplyTitle)) return;
  // The apply moves the focus as the user would; a box whose validation keeps it (an
  // address out of range in TXT_ADDR) has said why, and nothing starts.
  if (ui::UserActions(m.window()).Focus({"cmbUnit", -1}).status == ui::ActionStatus::kRefused) return;
  const std::optional<std::string> path =
      AskForFile(m, ui::FilePurpose::kOpen, kSettingsKey, kApplyTitle, kSettingsFilter);
  if (!path) return;
  const std::optional<TransmitterSettings> settings = LoadSettingsFile(m, *path);
  if (!settings) return;
  if (settings->store == StoreArea::kFactory && !FactoryStoreOpen(m)) {
    Tell(m, kApplyTitle, "参数文件要求写入工厂数据区，但工厂数据区的写入未开放：未写入变送器。",
         ui::MessageBoxIcon::kExclamation);
    return;
  }
  const std::optional<std::string> report =
      AskForFile(m, ui::FilePurpose::kAppend, kReportKey, "选择报告文件", kReportFilter);
  if (!report) return;
  if (!ReportWritable(*report)) {
    Tell(m, kApplyTitle, "无法写入报告文件，未写入变送器：" + *report, ui::MessageBoxIcon::kExclamation);
    return;
  }
  const ApplyResult result = ApplySettings(m, *settings);
  std::string text = ResultText(result);
  if (!AppendReportRow(*report, RowFor(m, result))) text += "\n\n报告文件写入失败：" + *report;
  Tell(m, kApplyTitle, text,
       result.passed() ? ui::MessageBoxIcon::kInformation : ui::MessageBoxIcon::kExclamation);
}

}  // namespace config
