#pragma once
// Dravon's main window: its controls (a ui::Window), the window-level state that the
// handlers share, and the bus port with its transaction engine. Every subsystem attaches
// its handlers to this one object; nothing here is global.

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/time_of_day.h"
#include "platform/ui/window.h"
#include "protocol/transaction.h"

namespace shell {

// The application title: the settings store's application name and the caption of
// message boxes shown without a title of their own.
inline constexpr std::string_view kAppTitle = "Halvora";
inline constexpr std::string_view kWindowCaption = "智能变送器参数设置1.35                 2008.4";

// One transmitter the bus search found; entry k belongs to entry k of CMB_ADDR.
struct OnlineEntry {
  std::string Addr;
  std::int16_t BandIndex = 0;
  bool operator==(const OnlineEntry&) const = default;
};

inline constexpr int kUnitCount = 13;

class MainWindow {
 public:
  MainWindow(platform::SerialPort& port, platform::Clock& clock, platform::SettingsStore& store);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  ui::Window& window() { return window_; }
  // The control of that name; a missing name is a programming mistake and throws.
  ui::Control& operator[](std::string_view name) { return window_.At(name); }
  ui::UiServices& services() { return window_.services(); }

  // One exchange with a transmitter; never throws, always ends with a CR. The port's
  // holder, if any, lets go of it first.
  std::string Comm_Send(std::string_view send_addr, std::string_view send_comm) {
    ReleasePort();
    return transaction_.Comm_Send(send_addr, send_comm);
  }

  // The bus poll keeps the port between its exchanges, at the rates of the transmitters
  // it polls. Every other exchange, and every handler that moves the port itself (a
  // search, a read, a close), first makes it let go: `release` stops it and puts the
  // line settings back, so nothing meant for the selected transmitter goes out at
  // another transmitter's rate.
  void HoldPort(std::function<void()> release) { release_port_ = std::move(release); }
  void ReleasePort() {
    if (std::function<void()> release = std::exchange(release_port_, nullptr)) release();
  }
  bool PortHeld() const { return static_cast<bool>(release_port_); }
  // The holder's own exchange: it keeps the port.
  std::string SendAsHolder(std::string_view send_addr, std::string_view send_comm) {
    return transaction_.Comm_Send(send_addr, send_comm);
  }

  // One transaction with the transmitter selected in CMB_ADDR, whose text is read afresh
  // for each one (an address change may have just edited it): the mnemonic with its
  // argument appended.
  std::string SendToSelected(std::string_view mnemonic, std::string_view argument = "");

  // Shows a modal message box; an empty title shows the application title.
  ui::MessageBoxAnswer MsgBox(std::string text, std::string title = "",
                              ui::MessageBoxIcon icon = ui::MessageBoxIcon::kNone,
                              ui::MessageBoxButtons buttons = ui::MessageBoxButtons::kOk);

  platform::SerialPort& MSCommBsq;
  platform::Clock& clock;
  platform::SettingsStore& settings;
  std::string app_title;  // set by start-up

  // Window-level state.
  std::array<std::string, kUnitCount> UnitNames{};
  bool TempTurn = false;
  std::vector<OnlineEntry> OnlineTable;
  ui::TimeOfDay PollStartTime{};
  // The lists whose last fill from a reply took no code from it (shell::ListFill).
  std::set<std::string, std::less<>> unanswered_lists;
  // A close was refused during the running search: its progress says why until it ends.
  bool close_refused_in_search = false;

 private:
  ui::Window window_;
  protocol::Transaction transaction_;
  std::function<void()> release_port_;
};

// Adds every control of the main window with its caption, default text, tool tip and
// initial state.
void AddMainWindowControls(ui::Window& window);

}  // namespace shell
