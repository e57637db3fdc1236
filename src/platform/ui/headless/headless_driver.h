#pragma once
// Runs a window from a script: lines of commands in, JSON Lines out. The window is
// loaded first; each line runs to its end (with any message box and handler it sets
// off) before the next is read; the end of input closes the window as `close` does,
// and the run ends even when that close is refused. Every refused close is printed, also
// one that a button of the window asked for.
//
//   platform::SystemClock clock;
//   ui::headless::HeadlessDriver driver(window, clock, std::cin, std::cout, ui::LocalTimeOfDay());
//   return driver.Run();

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "platform/clock.h"
#include "platform/ui/headless/command_line_reader.h"
#include "platform/ui/headless/event_loop.h"
#include "platform/ui/headless/headless_services.h"
#include "platform/ui/user_actions.h"
#include "platform/ui/window.h"

namespace ui::headless {

// Observes the window to report every refused close, whoever asked for it.
class HeadlessDriver final : private WindowObserver {
 public:
  HeadlessDriver(Window& window, platform::Clock& clock, std::istream& in, std::ostream& out,
                 TimeOfDay start);

  // Returns the exit status: 0, whether the input ended or the window closed.
  int Run();

  // For the answers a script cannot type: the files given on the command line.
  HeadlessServices& services() { return services_; }

 private:
  void OnControlChanged(const Control&, Property) override {}
  void OnCloseRefused() override;

  // `read_at_us`: when the line was read, the start of an `after` delay.
  void Execute(const Command& command, int line, std::uint64_t read_at_us);
  void Guarded(int line, const std::function<void()>& work);
  void CloseWindow();
  void RunAction(const Command& command, int line);
  void Show(const ControlId& id, int line);
  void Dump();
  void Report(const ActionResult& result, int line);
  void PrintError(const std::string& text, int line);

  Window& window_;
  platform::Clock& clock_;
  std::istream& in_;
  std::ostream& out_;
  EventLoop loop_;
  HeadlessServices services_;
  UserActions actions_;
};

}  // namespace ui::headless
