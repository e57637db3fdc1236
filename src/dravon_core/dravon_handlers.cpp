#include "dravon_core/dravon_handlers.h"

#include "check/attach.h"
#include "config/attach.h"
#include "discovery/attach.h"
#include "dravon_core/command_console.h"
#include "measure/attach.h"
#include "shell/startup.h"

namespace dravon {

DravonParts AttachDravonHandlers(shell::MainWindow& m, const measure::ReadingFeed* readings) {
  shell::AttachShellHandlers(m);
  discovery::AttachDiscoveryHandlers(m);
  config::AttachConfigHandlers(m);
  measure::BusPoll& bus_poll = measure::AttachMeasureHandlers(m, readings);
  check::CheckRun& check = check::AttachCheckHandlers(m);
  AttachCommandConsole(m);
  return {bus_poll, check};
}

}  // namespace dravon
