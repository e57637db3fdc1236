#include "dravon_core/dravon_handlers.h"

#include "discovery/attach.h"
#include "shell/startup.h"

namespace dravon {

void AttachDravonHandlers(shell::MainWindow& m) {
  shell::AttachShellHandlers(m);
  discovery::AttachDiscoveryHandlers(m);
}

}  // namespace dravon
