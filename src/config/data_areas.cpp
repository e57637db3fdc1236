#include "config/data_areas.h"

#include <string>
#include <string_view>

#include "protocol/commands.h"
#include "protocol/frame.h"
#include "shell/reply_fill.h"

namespace config {

namespace {

namespace cmd = protocol::cmd;
using shell::MainWindow;

// A data-area command and the message box that reports it.
struct AreaCommand {
  std::string_view mnemonic;
  std::string_view title;
  std::string_view done;
  std::string_view failed;
};

constexpr AreaCommand kStoreUser{cmd::kStoreUser, "写入用户数据区", "写入用户数据区完成!",
                                 "写入用户数据区出错"};
constexpr AreaCommand kStoreFactory{cmd::kStoreFactory, "写入工厂数据区", "写入工厂数据区完成!",
                                    "写入工厂数据区出错"};
constexpr AreaCommand kRestoreFactory{cmd::kRestoreFactory, "恢复工厂设定", "恢复工厂设定完成!",
                                      "恢复工厂设定出错"};

}  // namespace

std::vector<std::string_view> DataAreaTexts() {
  std::vector<std::string_view> texts;
  for (const AreaCommand& area : {kStoreUser, kStoreFactory, kRestoreFactory})
    texts.insert(texts.end(), {area.title, area.done, area.failed});
  return texts;
}

namespace {

void SendToAll(MainWindow& m, std::string_view mnemonic, std::string_view argument = "") {
  std::string command(mnemonic);
  command.append(argument);
  m.Comm_Send(cmd::kBroadcastAddress, command);  // nobody answers a broadcast
}

// Every transmitter on the bus takes the settings the window shows, then stores them.
void CopySettingsToAll(MainWindow& m, std::string_view store) {
  SendToAll(m, cmd::kType, m["txtType"].text());
  SendToAll(m, cmd::kUnit, shell::IndexArgument(m["cmbUnit"]));
  SendToAll(m, cmd::kDecimalPoint, shell::IndexArgument(m["Cmb_DP"]));
  SendToAll(m, cmd::kRangeLow, m["TXT_DPL"].text());
  SendToAll(m, cmd::kRangeHigh, m["TXT_DPH"].text());
  SendToAll(m, cmd::kOutputLow, m["TXT_DAL"].text());
  SendToAll(m, cmd::kOutputHigh, m["TXT_DAH"].text());
  SendToAll(m, cmd::kTrimLow, m["TXT_DAZF"].text());
  SendToAll(m, cmd::kTrimHigh, m["TXT_DAFF"].text());
  SendToAll(m, store);
}

// The command to the selected transmitter, and the message that tells whether it confirmed.
void SendAndReport(MainWindow& m, const AreaCommand& area) {
  const bool confirmed = ConfirmedBySelected(m, area.mnemonic);
  m.MsgBox(std::string(confirmed ? area.done : area.failed), std::string(area.title));
}

void Store(MainWindow& m, const AreaCommand& area) {
  if (m["chkSame"].value() == 1) CopySettingsToAll(m, area.mnemonic);
  SendAndReport(m, area);
}

}  // namespace

bool ConfirmedBySelected(MainWindow& m, std::string_view mnemonic) {
  const std::string result = m.SendToSelected(mnemonic);
  return protocol::ExactMatch(result, m["CMB_ADDR"].text(), cmd::kOk);
}

void CMD_USER_Click(MainWindow& m) { Store(m, kStoreUser); }
void CMD_FACT_Click(MainWindow& m) { Store(m, kStoreFactory); }
void CMD_LD_Click(MainWindow& m) { SendAndReport(m, kRestoreFactory); }

}  // namespace config
