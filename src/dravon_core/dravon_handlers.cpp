#include "dravon_core/dravon_handlers.h"

#include "config/attach.h"
#include "discovery/attach.h"
#include "dravon_core/command_console.h"
#include "measure/attach.h"
#include "shell/startup.h"

namespace dravon {

measure::BusPoll& AttachDravonHandlers(shell::MainWindow& m, const measure::ReadingFeed* readings) {
  shell::AttachShellHandlers(m);
  discovery::AttachDiscoveryHandlers(m);
  config::AttachConfigHandlers(m);
  measure::BusPoll& bus_poll = measure::AttachMeasureHandlers(m, readings);
  AttachCommandConsole(m);
  return bus_poll;
}

}  // namespace dravon
