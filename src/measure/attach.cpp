#include "measure/attach.h"

#include "measure/panel_buttons.h"
#include "measure/polling.h"

namespace measure {

void AttachMeasureHandlers(shell::MainWindow& m, const ReadingFeed* readings) {
  m["Timer1"].on_timer([&m, readings](ui::UiServices&) { Timer1_Timer(m, readings); });
  m["cmdON_OFF"].on_click([&m](ui::UiServices&) { cmdON_OFF_Click(m); });
  m["COM_SC"].on_click([&m](ui::UiServices&) { COM_SC_Click(m); });
  m["cmdReFresh"].on_click([&m](ui::UiServices&) { cmdReFresh_Click(m); });
  m["cmdReset"].on_click([&m](ui::UiServices&) { cmdReset_Click(m); });
}

}  // namespace measure
