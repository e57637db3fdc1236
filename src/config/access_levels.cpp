#include "config/access_levels.h"

#include <array>
#include <string>
#include <string_view>

namespace config {

namespace {

using shell::MainWindow;

constexpr std::string_view kViewCode = "qarnivo";
constexpr std::string_view kFactoryCode = "telbusk";
constexpr std::string_view kHideCode = "mordyne";

// The measurement extras: the temperature with its label, the minimum and maximum.
constexpr std::array<std::string_view, 6> kMeasurementExtras{"lblTEMP", "TXT_TEMPERATURE", "lblMAX",
                                                             "lblMIN",  "txtMAX",          "txtMIN"};
// The command console, in the order the view code enables it.
constexpr std::array<std::string_view, 6> kConsoleToEnable{"Frame_Command", "lblIns1", "lblIns2",
                                                           "txtReturn",     "Cmd_INS", "txtInsSend"};
// ... and in the order the hide code disables it.
constexpr std::array<std::string_view, 6> kConsoleToDisable{"Frame_Command", "Cmd_INS", "txtInsSend",
                                                            "lblIns1",       "lblIns2", "txtReturn"};

std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

void ShowMeasurementAndConsole(MainWindow& m) {
  for (std::string_view name : kMeasurementExtras) m[name].set_visible(true);
  for (std::string_view name : kConsoleToEnable) m[name].set_enabled(true);
}

void ShowFactoryStore(MainWindow& m) {
  m["CMD_FACT"].set_enabled(true);
  m["CMD_FACT"].set_visible(true);
  m["chkSame"].set_visible(true);
}

// The same-settings box is cleared as it goes, so no later store copies to every
// transmitter by a tick the user can no longer see.
void HideEverything(MainWindow& m) {
  for (std::string_view name : kMeasurementExtras) m[name].set_visible(false);
  ui::Control& same = m["chkSame"];
  same.set_visible(false);
  same.set_value(0);
  m["CMD_FACT"].set_enabled(false);
  m["CMD_FACT"].set_visible(false);
  for (std::string_view name : kConsoleToDisable) m[name].set_enabled(false);
}

}  // namespace

void txtPass_Change(MainWindow& m) {
  const std::string code = LowerCase(m["txtPass"].text());
  if (code == kViewCode) {
    ShowMeasurementAndConsole(m);
  } else if (code == kFactoryCode) {
    ShowMeasurementAndConsole(m);
    ShowFactoryStore(m);
  } else if (code == kHideCode) {
    HideEverything(m);
  }
}

}  // namespace config
