// Dravon: the transmitter configuration tool, as a Qt window or, with --headless, driven
// line by line from standard input.

#include <QApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "apps/common/port_listing.h"
#include "apps/common/port_mapping_entry.h"
#include "apps/common/port_tips.h"
#include "apps/common/port_tracing.h"
#include "apps/common/port_wiring.h"
#include "dravon_core/dravon_handlers.h"
#include "dravon_core/shown_texts.h"
#include "gui/language.h"
#include "gui/last_folder.h"
#include "gui/qt_window.h"
#include "gui/traffic_monitor.h"
#include "measure/reading_feed.h"
#include "measure/reading_history.h"
#include "measure/reading_log.h"
#include "platform/clock.h"
#include "platform/program_options.h"
#include "platform/serial_qt/qt_found_devices.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/headless/headless_driver.h"
#include "shell/main_window.h"
#include "shell/port_choice.h"
#include "views/bus_view.h"
#include "views/certificate_pdf.h"
#include "views/check_view.h"
#include "views/reading_chart.h"

int main(int argc, char** argv) {
  const platform::ProgramOptions options =
      platform::ParseProgramOptions(argc, argv, platform::Program::kDravon);
  if (const auto status =
          platform::AnswerWithoutRunning(options, platform::Program::kDravon, std::cout, std::cerr))
    return *status;

  platform::SystemClock clock;
  platform::IniSettingsStore store;
  app::PortWiring wiring(options, store, std::string(shell::kAppTitle), clock, platform::EchoMode::kAuto);
  if (!wiring.error().empty()) {
    std::cerr << "dravon: " << wiring.error() << "\n";
    return 2;
  }
  platform::SerialPort port(wiring.Factory(), "MSCommBsq");
  app::PortTracing tracing(port, clock, [&wiring](int n) { return wiring.DeviceFor(n); });
  const auto trace_failed = [](const std::string& error) {
    std::cerr << "dravon: the trace file stopped taking records: " << error << "\n";
  };
  if (std::string error; !tracing.TraceTo(options.trace, error, trace_failed)) {
    std::cerr << "dravon: " << error << "\n";
    return 2;
  }

  if (options.list_ports) {
    shell::MainWindow main_window(port, clock, store);  // its port list names the ports
    app::PrintPortList(std::cout, platform::FindQtSerialDevices(), wiring.map(), main_window["cmbCommPort"],
                       options.headless);
    return 0;
  }

  // Every poll's reading goes to the CSV log (--log) and, in the real window, to the
  // history that the chart shows.
  measure::ReadingFeed readings(clock);
  std::unique_ptr<measure::ReadingLog> log;
  if (!options.log.empty()) {
    std::string error;
    log = measure::ReadingLog::Open(options.log, error);
    if (!log) {
      std::cerr << "dravon: cannot write the measurement log " << error << "\n";
      return 2;
    }
    readings.Listen([&log, &options, reported = false](const measure::Reading& r) mutable {
      if (log->Write(r) || reported) return;
      reported = true;  // once: a full disk would say so at every poll
      std::cerr << "dravon: the measurement log " << options.log << " stopped taking readings\n";
    });
  }

  if (options.headless) {
    int qt_argc = 1;
    // The serial backend needs an application, the certificate's PDF writer one with fonts;
    // nothing is ever shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qt(qt_argc, argv);
    shell::MainWindow main_window(port, clock, store);
    dravon::AttachDravonHandlers(main_window, &readings)
        .check.set_certificate_writer(views::WriteCertificatePdf);
    ui::headless::HeadlessDriver driver(main_window.window(), clock, std::cin, std::cout,
                                        ui::LocalTimeOfDay());
    for (const auto& [key, path] : options.files) driver.services().set_file(key, path);
    return driver.Run();
  }

  QApplication qt(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(TT_APP_ID));  // its desktop entry and icon
  const std::string_view language = gui::UseLanguage(
      options.language, {store, std::string(shell::kAppTitle), "dravon", dravon::ShownTexts()});
  gui::KeepLastFolderIn(store, std::string(shell::kAppTitle));
  measure::ReadingHistory history;
  readings.Listen([&history](const measure::Reading& r) { history.Add(r); });
  shell::MainWindow main_window(port, clock, store);
  const dravon::DravonParts parts = dravon::AttachDravonHandlers(main_window, &readings);
  measure::BusPoll& bus_poll = parts.bus_poll;
  views::BusView::ShowWhenStarted(bus_poll);
  parts.check.set_certificate_writer(views::WriteCertificatePdf);
  views::CheckView::AttachTo(parts.check);
  app::ShowDevicesInToolTips(main_window["cmbCommPort"], wiring.map());
  // The tool windows' entries stand in the 选项 menu, above its separator.
  gui::RunOptions run;
  run.tools.items.push_back(gui::LanguageMenuItem(store, std::string(shell::kAppTitle), language));
  run.snapshot = options.snapshot;
  run.open_tool = options.open_tool;
  run.files = options.files;
  run.snapshot_after = options.snapshot_after;
  run.tools.items.push_back(
      gui::TrafficMonitorTool([&tracing]() -> platform::TrafficLog& { return tracing.WindowLog(); }));
  run.tools.menu = "Option";
  run.tools.before = "space1";
  run.tools.items.push_back(app::PortMappingEntry(wiring, main_window["cmbCommPort"],
                                                  [&main_window](const std::vector<int>& remapped) {
                                                    shell::RerunPortChoiceIfRemapped(main_window, remapped);
                                                  }));
  run.tools.items.push_back({"mnuChart", QT_TRANSLATE_NOOP("gui::ToolMenu", "测量曲线(&C)"),
                             [&](QWidget& main) { views::ReadingChart::ShowFor(main, history, readings); }});
  run.tools.items.push_back({"mnuBusView", QT_TRANSLATE_NOOP("gui::ToolMenu", "总线巡检表(&V)"),
                             [&](QWidget& main) { views::BusView::ShowFor(main, bus_poll); }});
  return gui::RunQtWindow(main_window.window(), run);
}
