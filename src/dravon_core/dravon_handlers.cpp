#include "dravon_core/dravon_handlers.h"

#include "config/attach.h"
#include "discovery/attach.h"
#include "measure/attach.h"
#include "protocol/console/command_console.h"
#include "shell/startup.h"

namespace dravon {

void AttachDravonHandlers(shell::MainWindow& m, const measure::ReadingFeed* readings) {
  shell::AttachShellHandlers(m);
  discovery::AttachDiscoveryHandlers(m);
  config::AttachConfigHandlers(m);
  measure::AttachMeasureHandlers(m, readings);
  protocol::console::AttachCommandConsole(m);
}

}  // namespace dravon
