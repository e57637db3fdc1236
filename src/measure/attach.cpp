#include "measure/attach.h"

#include <memory>

#include "measure/bus_poll.h"
#include "measure/panel_buttons.h"
#include "measure/polling.h"

namespace measure {

BusPoll& AttachMeasureHandlers(shell::MainWindow& m, const ReadingFeed* readings) {
  m["Timer1"].on_timer([&m, readings](ui::UiServices&) { Timer1_Timer(m, readings); });
  m["cmdON_OFF"].on_click([&m](ui::UiServices&) { cmdON_OFF_Click(m); });
  m["COM_SC"].on_click([&m](ui::UiServices&) { COM_SC_Click(m); });
  m["cmdReFresh"].on_click([&m](ui::UiServices&) { cmdReFresh_Click(m); });
  m["cmdReset"].on_click([&m](ui::UiServices&) { cmdReset_Click(m); });
  // The bus poll lives as long as the handlers that use it: as long as the window.
  auto bus_poll = std::make_shared<BusPoll>(m, readings);
  m["tmrPollAll"].on_timer([bus_poll](ui::UiServices&) { bus_poll->Cycle(); });
  m["mnuPollAll"].on_click([bus_poll](ui::UiServices&) { bus_poll->Toggle(); });
  return *bus_poll;
}

}  // namespace measure
