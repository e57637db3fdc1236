#include "config/analog_output.h"

#include <array>
#include <string_view>

#include "config/trim_text.h"
#include "config/value_normalisation.h"
#include "protocol/commands.h"
#include "shell/reply_fill.h"

namespace config {

namespace {

namespace cmd = protocol::cmd;
using shell::MainWindow;

struct OutputValue {
  std::string_view box;
  std::string_view mnemonic;
};

// In the order they are read and written.
constexpr std::array<OutputValue, 4> kOutputValues{{
    {"TXT_DAL", cmd::kOutputLow},
    {"TXT_DAH", cmd::kOutputHigh},
    {"TXT_DAZF", cmd::kTrimLow},
    {"TXT_DAFF", cmd::kTrimHigh},
}};

void SendTrim(MainWindow& m, std::string_view bar, std::string_view box_name, std::string_view mnemonic) {
  ui::Control& box = m[box_name];
  box.set_text(TrimText(m[bar].value()));
  shell::BoxFill(box, m.SendToSelected(mnemonic, box.text()));
}

}  // namespace

void cmdDA_Read_Click(MainWindow& m) {
  for (const OutputValue& v : kOutputValues) shell::BoxFill(m[v.box], m.SendToSelected(v.mnemonic));
}

void cmdDA_Write_Click(MainWindow& m) {
  for (const OutputValue& v : kOutputValues) {
    ui::Control& box = m[v.box];
    shell::BoxFill(box, m.SendToSelected(v.mnemonic, box.text()));
  }
}

void VScroll1_Change(MainWindow& m) { SendTrim(m, "VScroll1", "TXT_DAZF", cmd::kTrimLow); }
void VScroll2_Change(MainWindow& m) { SendTrim(m, "VScroll2", "TXT_DAFF", cmd::kTrimHigh); }

void TXT_DAL_Validate(MainWindow& m, bool&) { NormaliseValueBox(m, m["TXT_DAL"]); }
void TXT_DAH_Validate(MainWindow& m, bool&) { NormaliseValueBox(m, m["TXT_DAH"]); }

}  // namespace config
