#pragma once
// A small window with controls of every kind, whose handlers follow the patterns of the
// programs (a digits-only time-out box that refuses to stay empty, a search that lets
// events run between probes and is stopped by a second press, a polling timer) and
// write what they see into `log`.

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/ui/window.h"

namespace ui_test {

using ui::ControlKind;

// A virtual clock that also remembers every time it was asked to sleep until.
class RecordingClock final : public platform::Clock {
 public:
  std::uint64_t now_us() const override { return now_us_; }
  void sleep_until_us(std::uint64_t t_us) override {
    sleeps_ms.push_back(t_us / 1000);
    if (t_us > now_us_) now_us_ = t_us;
  }
  std::int64_t wall_ms() const override { return static_cast<std::int64_t>(now_us_ / 1000); }
  void advance_ms(std::uint64_t ms) { now_us_ += ms * 1000; }
  std::uint64_t now_ms() const { return now_us_ / 1000; }

  std::vector<std::uint64_t> sleeps_ms;

 private:
  std::uint64_t now_us_ = 0;
};

struct TestWindow {
  explicit TestWindow(RecordingClock& clock);

  ui::Control& operator[](const char* name) { return window.At(name); }

  RecordingClock& clock;
  ui::Window window{"Form1", "Test \"window\""};
  std::vector<std::string> log;
  int tick_cost_ms = 0;  // how long each timer tick's work takes on the clock
  int probes = 10;       // addresses the search tries
};

inline TestWindow::TestWindow(RecordingClock& c) : clock(c) {
  using K = ControlKind;
  // clang-format off
  window.Add({.kind = K::kFrame, .name = "fraLine", .text = "Line"});
  window.Add({.kind = K::kList, .name = "cboPort", .parent = "fraLine", .items = {"Com1", "Com2", "Com3"},
              .item_data = {1, 2, 3}});
  window.Add({.kind = K::kList, .name = "cboBaud", .parent = "fraLine", .editable = true,
              .items = {"9600", "4800"}, .list_index = 0});
  window.Add({.kind = K::kButton, .name = "cmdSearch", .text = "Search"});
  window.Add({.kind = K::kTextBox, .name = "txtDelay", .text = "250", .max_length = 4});
  window.Add({.kind = K::kTextBox, .name = "txtSend", .text = "$"});
  window.Add({.kind = K::kTextBox, .name = "txtShown", .text = "PRESSURE", .read_only = true});
  window.Add({.kind = K::kButton, .name = "cmdSend", .text = "Send"});
  window.Add({.kind = K::kButton, .name = "cmdAsk", .text = "Ask"});
  window.Add({.kind = K::kButton, .name = "cmdHidden", .text = "Hidden", .visible = false});
  window.Add({.kind = K::kCheckBox, .name = "chkSame", .text = "Same"});
  window.Add({.kind = K::kFrame, .name = "fraCrc", .text = "Checksum"});
  window.Add({.kind = K::kOption, .name = "optCrc", .index = 0, .parent = "fraCrc", .text = "Sum"});
  window.Add({.kind = K::kOption, .name = "optCrc", .index = 1, .parent = "fraCrc", .text = "Xor",
              .value = 1});
  window.Add({.kind = K::kOption, .name = "optMode", .text = "Test", .value = 1});
  window.Add({.kind = K::kScrollBar, .name = "vsTrim", .min = -5000, .max = 5000});
  window.Add({.kind = K::kLabel, .name = "lblCount", .text = "0"});
  window.Add({.kind = K::kTimer, .name = "tmrPoll", .enabled = false, .interval = 300});
  window.Add({.kind = K::kButton, .name = "cmdPoll", .text = "Poll"});
  window.Add({.kind = K::kStatusBar, .name = "sbInfo", .panels = {"ready"}});
  window.Add({.kind = K::kMenu, .name = "mnuOption", .text = "Options"});
  window.Add({.kind = K::kMenuItem, .name = "mnuAbout", .parent = "mnuOption", .text = "About"});
  // clang-format on

  auto logs = [this](std::string entry) { return [this, entry](ui::UiServices&) { log.push_back(entry); }; };
  (*this)["cboPort"].on_click([this](ui::UiServices&) {
    log.push_back("cboPort_Click " + std::to_string(window.At("cboPort").list_index()));
  });
  (*this)["cboBaud"].on_click(logs("cboBaud_Click"));
  (*this)["cboBaud"].on_change(logs("cboBaud_Change"));
  (*this)["txtSend"].on_change(logs("txtSend_Change"));
  (*this)["txtSend"].on_key_press([this](ui::UiServices&, int& key) {
    if (key == 13) log.push_back("send");
    if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';  // the box takes capitals only
  });
  (*this)["txtDelay"].on_change(logs("txtDelay_Change"));
  (*this)["txtDelay"].on_key_press([](ui::UiServices&, int& key) {
    if (key >= 30 && (key < '0' || key > '9')) key = 0;  // digits and control keys only
  });
  (*this)["txtDelay"].on_validate([this](ui::UiServices& services, bool& cancel) {
    if (!window.At("txtDelay").text().empty()) return;
    services.ShowMessageBox({.text = "Time-out cannot be empty!", .title = "Error"});
    cancel = true;
  });
  (*this)["cmdSend"].on_click(logs("cmdSend_Click"));
  (*this)["cmdAsk"].on_click([this](ui::UiServices& services) {
    const ui::MessageBoxAnswer answer =
        services.ShowMessageBox({.text = "Link down.\rRetry?",
                                 .title = "Error",
                                 .buttons = ui::MessageBoxButtons::kRetryCancel,
                                 .icon = ui::MessageBoxIcon::kWarning});
    window.At("lblCount").set_caption(std::string(ui::AnswerName(answer)));
  });
  (*this)["chkSame"].on_click(logs("chkSame_Click"));
  window.At("optCrc", 0).on_click(logs("optCrc_Click 0"));
  window.At("optCrc", 1).on_click(logs("optCrc_Click 1"));
  (*this)["optMode"].on_click(logs("optMode_Click"));
  (*this)["vsTrim"].on_change(logs("vsTrim_Change"));
  (*this)["mnuAbout"].on_click(logs("mnuAbout_Click"));

  // The search: lets events run before each probe and stops when a second press,
  // delivered meanwhile, has put the caption back.
  (*this)["cmdSearch"].on_click([this](ui::UiServices& services) {
    ui::Control& button = window.At("cmdSearch");
    if (button.caption() == "Stop") {
      button.set_caption("Search");
      log.push_back("stop");
      return;
    }
    button.set_caption("Stop");
    for (int probe = 1; probe <= probes; ++probe) {
      services.DoEvents();
      if (button.caption() == "Search") break;
      log.push_back("probe " + std::to_string(probe) + " at " + std::to_string(clock.now_ms()));
      clock.sleep_until_us(clock.now_us() + 100'000);  // the probe's reply wait
    }
    button.set_caption("Search");
    log.push_back("search done");
  });
  window.on_query_unload(
      [this](ui::UiServices&, bool& cancel) { cancel = window.At("cmdSearch").caption() == "Stop"; });

  (*this)["cmdPoll"].on_click([this](ui::UiServices&) { window.At("tmrPoll").set_enabled(true); });
  (*this)["tmrPoll"].on_timer([this](ui::UiServices&) {
    log.push_back("tick at " + std::to_string(clock.now_ms()));
    clock.advance_ms(static_cast<std::uint64_t>(tick_cost_ms));
  });
  window.on_background_click(logs("Form_Click"));
}

}  // namespace ui_test
