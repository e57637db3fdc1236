// Dravon: the transmitter configuration tool, as a Qt window or, with --headless, driven
// line by line from standard input.

#include <QApplication>
#include <QCoreApplication>
#include <iostream>

#include "apps/common/port_tracing.h"
#include "apps/common/port_wiring.h"
#include "dravon_core/dravon_handlers.h"
#include "gui/qt_window.h"
#include "gui/traffic_monitor.h"
#include "platform/clock.h"
#include "platform/program_options.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/headless/headless_driver.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  const platform::ProgramOptions options = platform::ParseProgramOptions(argc, argv);
  if (!options.error.empty()) {
    std::cerr << "dravon: " << options.error << "\n"
              << "usage: dravon [--headless] [--simulate] [--port N=DEVICE]... [--trace FILE] [--snapshot "
                 "FILE.png] "
                 "[--open TOOL]\n";
    return 2;
  }

  platform::SystemClock clock;
  platform::IniSettingsStore store;
  app::PortWiring wiring(options, store, std::string(shell::kAppTitle), clock);
  platform::SerialPort port(wiring.Factory(), "MSCommBsq");
  app::PortTracing tracing(port, clock, [&wiring](int n) { return wiring.DeviceFor(n); });
  if (std::string error; !tracing.TraceTo(options.trace, error)) {
    std::cerr << "dravon: " << error << "\n";
    return 2;
  }

  if (options.headless) {
    int qt_argc = 1;
    QCoreApplication qt(qt_argc, argv);  // the serial backend needs one
    shell::MainWindow main_window(port, clock, store);
    dravon::AttachDravonHandlers(main_window);
    ui::headless::HeadlessDriver driver(main_window.window(), clock, std::cin, std::cout,
                                        ui::LocalTimeOfDay());
    return driver.Run();
  }

  QApplication qt(argc, argv);
  shell::MainWindow main_window(port, clock, store);
  dravon::AttachDravonHandlers(main_window);
  // The tool windows' entries stand in the 选项 menu, above its separator.
  gui::RunOptions run;
  run.snapshot = options.snapshot;
  run.open_tool = options.open_tool;
  run.tools.items.push_back(
      gui::TrafficMonitorTool([&tracing]() -> platform::TrafficLog& { return tracing.WindowLog(); }));
  run.tools.menu = "Option";
  run.tools.before = "space1";
  return gui::RunQtWindow(main_window.window(), run);
}
