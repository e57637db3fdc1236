#include "dravon_core/dravon_handlers.h"

#include "config/attach.h"
#include "discovery/attach.h"
#include "dravon_core/command_console.h"
#include "measure/attach.h"
#include "shell/startup.h"

namespace dravon {

void AttachDravonHandlers(shell::MainWindow& m, const measure::ReadingFeed* readings) {
  shell::AttachShellHandlers(m);
  discovery::AttachDiscoveryHandlers(m);
  config::AttachConfigHandlers(m);
  measure::AttachMeasureHandlers(m, readings);
  AttachCommandConsole(m);
}

}  // namespace dravon
