// Pemliq: the serial link test terminal, as a Qt window or, with --headless, driven line
// by line from standard input.

#include <QApplication>
#include <QCoreApplication>
#include <iostream>

#include "apps/common/port_listing.h"
#include "apps/common/port_mapping_entry.h"
#include "apps/common/port_tips.h"
#include "apps/common/port_tracing.h"
#include "apps/common/port_wiring.h"
#include "gui/language.h"
#include "gui/last_folder.h"
#include "gui/qt_window.h"
#include "gui/traffic_monitor.h"
#include "platform/clock.h"
#include "platform/program_options.h"
#include "platform/serial/serial_port.h"
#include "platform/serial_qt/qt_found_devices.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/headless/headless_driver.h"
#include "terminal/terminal_messages.h"
#include "terminal/terminal_window.h"

namespace {

// The settings store's application name: port mappings and the window's language.
constexpr std::string_view kAppName = "Pemliq";

}  // namespace

int main(int argc, char** argv) {
  const platform::ProgramOptions options =
      platform::ParseProgramOptions(argc, argv, platform::Program::kPemliq);
  if (const auto status =
          platform::AnswerWithoutRunning(options, platform::Program::kPemliq, std::cout, std::cerr))
    return *status;

  platform::SystemClock clock;
  // Pemliq keeps no transmitter setting: the store only maps port numbers to devices (section
  // Ports) and keeps the window's language.
  platform::IniSettingsStore store;
  app::PortWiring wiring(options, store, std::string(kAppName), clock, platform::EchoMode::kOff);
  if (!wiring.error().empty()) {
    std::cerr << "pemliq: " << wiring.error() << "\n";
    return 2;
  }
  platform::SerialPort port(wiring.Factory(), "MSComm1");
  app::PortTracing tracing(port, clock, [&wiring](int n) { return wiring.DeviceFor(n); });
  const auto trace_failed = [](const std::string& error) {
    std::cerr << "pemliq: the trace file stopped taking records: " << error << "\n";
  };
  if (std::string error; !tracing.TraceTo(options.trace, error, trace_failed)) {
    std::cerr << "pemliq: " << error << "\n";
    return 2;
  }

  if (options.list_ports) {
    terminal::TerminalWindow form(port, clock);  // its port list names the ports
    app::PrintPortList(std::cout, platform::FindQtSerialDevices(), wiring.map(), form["Cbo_com"],
                       options.headless);
    return 0;
  }

  if (options.headless) {
    int qt_argc = 1;
    QCoreApplication qt(qt_argc, argv);  // the serial backend needs one
    terminal::TerminalWindow form(port, clock);
    ui::headless::HeadlessDriver driver(form.window(), clock, std::cin, std::cout, ui::LocalTimeOfDay());
    return driver.Run();
  }

  QApplication qt(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(TT_APP_ID));  // its desktop entry and icon
  const std::string_view language =
      gui::UseLanguage(options.language, {store, std::string(kAppName), "pemliq", terminal::ShownTexts()});
  gui::KeepLastFolderIn(store, std::string(kAppName));
  terminal::TerminalWindow form(port, clock);
  app::ShowDevicesInToolTips(form["Cbo_com"], wiring.map());
  // The window has no menu of its own: the tool windows' entries get one (工具).
  gui::RunOptions run;
  run.tools.items.push_back(gui::LanguageMenuItem(store, std::string(kAppName), language));
  run.snapshot = options.snapshot;
  run.open_tool = options.open_tool;
  run.snapshot_after = options.snapshot_after;
  // Pemliq opens its port at each send: a new mapping holds from the next one.
  run.tools.items.push_back(app::PortMappingEntry(wiring, form["Cbo_com"]));
  run.tools.items.push_back(
      gui::TrafficMonitorTool([&tracing]() -> platform::TrafficLog& { return tracing.WindowLog(); }));
  return gui::RunQtWindow(form.window(), run);
}
