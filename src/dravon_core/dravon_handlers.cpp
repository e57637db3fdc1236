#include "dravon_core/dravon_handlers.h"

#include "config/attach.h"
#include "discovery/attach.h"
#include "measure/attach.h"
#include "protocol/console/command_console.h"
#include "shell/startup.h"

namespace dravon {

measure::BusPoll& AttachDravonHandlers(shell::MainWindow& m, const measure::ReadingFeed* readings) {
  shell::AttachShellHandlers(m);
  discovery::AttachDiscoveryHandlers(m);
  config::AttachConfigHandlers(m);
  measure::BusPoll& bus_poll = measure::AttachMeasureHandlers(m, readings);
  protocol::console::AttachCommandConsole(m);
  return bus_poll;
}

}  // namespace dravon
