// Dravon: the transmitter configuration tool, as a Qt window or, with --headless, driven
// line by line from standard input.

#include <QApplication>
#include <QCoreApplication>
#include <iostream>
#include <memory>

#include "apps/common/port_wiring.h"
#include "dravon_core/dravon_handlers.h"
#include "gui/qt_window.h"
#include "gui/reading_chart.h"
#include "measure/reading_feed.h"
#include "measure/reading_history.h"
#include "measure/reading_log.h"
#include "platform/clock.h"
#include "platform/program_options.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/headless/headless_driver.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  const platform::ProgramOptions options = platform::ParseProgramOptions(argc, argv);
  if (!options.error.empty()) {
    std::cerr << "dravon: " << options.error << "\n"
              << "usage: dravon [--headless] [--simulate] [--port N=DEVICE]... [--log FILE.csv] [--snapshot "
                 "FILE.png] [--open TOOL]\n";
    return 2;
  }

  platform::SystemClock clock;
  platform::IniSettingsStore store;
  app::PortWiring wiring(options, store, std::string(shell::kAppTitle), clock);
  platform::SerialPort port(wiring.Factory(), "MSCommBsq");

  // Every poll's reading goes to the CSV log (--log) and, in the real window, to the
  // history that the chart shows.
  measure::ReadingFeed readings(clock, measure::SystemWallMs());
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
    QCoreApplication qt(qt_argc, argv);  // the serial backend needs one
    shell::MainWindow main_window(port, clock, store);
    dravon::AttachDravonHandlers(main_window, &readings);
    ui::headless::HeadlessDriver driver(main_window.window(), clock, std::cin, std::cout,
                                        ui::LocalTimeOfDay());
    return driver.Run();
  }

  QApplication qt(argc, argv);
  measure::ReadingHistory history;
  readings.Listen([&history](const measure::Reading& r) { history.Add(r); });
  shell::MainWindow main_window(port, clock, store);
  dravon::AttachDravonHandlers(main_window, &readings);
  // The tool windows' entries stand in the 选项 menu, above its separator.
  gui::RunOptions run;
  run.snapshot = options.snapshot;
  run.open_tool = options.open_tool;
  run.tools.menu = "Option";
  run.tools.before = "space1";
  run.tools.items.push_back({"mnuChart", QCoreApplication::translate("dravon", "测量曲线(&C)").toStdString(),
                             [&](QWidget& main) { gui::ReadingChart::ShowFor(main, history, readings); }});
  return gui::RunQtWindow(main_window.window(), run);
}
