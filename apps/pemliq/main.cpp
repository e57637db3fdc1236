// Pemliq: the serial link test terminal, as a Qt window or, with --headless, driven line
// by line from standard input.

#include <QApplication>
#include <QCoreApplication>
#include <iostream>

#include "apps/common/port_tracing.h"
#include "apps/common/port_wiring.h"
#include "gui/qt_window.h"
#include "gui/traffic_monitor.h"
#include "platform/clock.h"
#include "platform/program_options.h"
#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/headless/headless_driver.h"
#include "terminal/terminal_window.h"

int main(int argc, char** argv) {
  const platform::ProgramOptions options = platform::ParseProgramOptions(argc, argv);
  if (!options.error.empty()) {
    std::cerr << "pemliq: " << options.error << "\n"
              << "usage: pemliq [--headless] [--simulate] [--port N=DEVICE]... [--trace FILE] [--snapshot "
                 "FILE.png] "
                 "[--open TOOL]\n";
    return 2;
  }

  platform::SystemClock clock;
  // Pemliq stores nothing itself; the store only maps port numbers to devices (section Ports).
  platform::IniSettingsStore store;
  app::PortWiring wiring(options, store, "Pemliq", clock);
  platform::SerialPort port(wiring.Factory(), "MSComm1");
  app::PortTracing tracing(port, clock, [&wiring](int n) { return wiring.DeviceFor(n); });
  if (std::string error; !tracing.TraceTo(options.trace, error)) {
    std::cerr << "pemliq: " << error << "\n";
    return 2;
  }

  if (options.headless) {
    int qt_argc = 1;
    QCoreApplication qt(qt_argc, argv);  // the serial backend needs one
    terminal::TerminalWindow form(port, clock);
    ui::headless::HeadlessDriver driver(form.window(), clock, std::cin, std::cout, ui::LocalTimeOfDay());
    return driver.Run();
  }

  QApplication qt(argc, argv);
  terminal::TerminalWindow form(port, clock);
  // The window has no menu of its own: the tool windows' entries get one (工具).
  gui::RunOptions run;
  run.snapshot = options.snapshot;
  run.open_tool = options.open_tool;
  run.tools.items.push_back(
      gui::TrafficMonitorTool([&tracing]() -> platform::TrafficLog& { return tracing.WindowLog(); }));
  return gui::RunQtWindow(form.window(), run);
}
