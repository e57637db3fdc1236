#include "discovery/attach.h"

#include "discovery/address_change.h"
#include "discovery/bus_search.h"
#include "discovery/device_read.h"

namespace discovery {

void AttachDiscoveryHandlers(shell::MainWindow& m) {
  m["cmdSEARCH"].on_click([&m](ui::UiServices&) { cmdSEARCH_Click(m); });
  m["CMB_ADDR"].on_click([&m](ui::UiServices&) { CMB_ADDR_Click(m); });
  m["TXT_ADDR"].on_validate([&m](ui::UiServices&, bool& cancel) { TXT_ADDR_Validate(m, cancel); });
  m["COM_ADDR"].on_click([&m](ui::UiServices&) { COM_ADDR_Click(m); });
}

}  // namespace discovery
