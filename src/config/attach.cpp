#include "config/attach.h"

#include <memory>

#include "config/access_levels.h"
#include "config/analog_output.h"
#include "config/data_areas.h"
#include "config/range_unit.h"
#include "config/settings_file_items.h"

namespace config {

void AttachConfigHandlers(shell::MainWindow& m) {
  m["cmdSCALE_Read"].on_click([&m](ui::UiServices&) { cmdSCALE_Read_Click(m); });
  m["cmdSCALE_Write"].on_click([&m](ui::UiServices&) { cmdSCALE_Write_Click(m); });
  // The nesting count lives as long as the handler that holds it, that is, the window.
  auto nesting = std::make_shared<UnitReadNesting>();
  m["cmbUnit"].on_click([&m, nesting](ui::UiServices&) { cmbUnit_Click(m, *nesting); });
  m["TXT_DPL"].on_validate([&m](ui::UiServices&, bool& cancel) { TXT_DPL_Validate(m, cancel); });
  m["TXT_DPH"].on_validate([&m](ui::UiServices&, bool& cancel) { TXT_DPH_Validate(m, cancel); });

  m["cmdDA_Read"].on_click([&m](ui::UiServices&) { cmdDA_Read_Click(m); });
  m["cmdDA_Write"].on_click([&m](ui::UiServices&) { cmdDA_Write_Click(m); });
  m["VScroll1"].on_change([&m](ui::UiServices&) { VScroll1_Change(m); });
  m["VScroll2"].on_change([&m](ui::UiServices&) { VScroll2_Change(m); });
  m["TXT_DAL"].on_validate([&m](ui::UiServices&, bool& cancel) { TXT_DAL_Validate(m, cancel); });
  m["TXT_DAH"].on_validate([&m](ui::UiServices&, bool& cancel) { TXT_DAH_Validate(m, cancel); });

  m["CMD_USER"].on_click([&m](ui::UiServices&) { CMD_USER_Click(m); });
  m["CMD_FACT"].on_click([&m](ui::UiServices&) { CMD_FACT_Click(m); });
  m["CMD_LD"].on_click([&m](ui::UiServices&) { CMD_LD_Click(m); });

  m["txtPass"].on_change([&m](ui::UiServices&) { txtPass_Change(m); });

  m["mnuSaveProfile"].on_click([&m](ui::UiServices&) { mnuSaveProfile_Click(m); });
  m["mnuApplyProfile"].on_click([&m](ui::UiServices&) { mnuApplyProfile_Click(m); });
  m["mnuStation"].on_click([&m](ui::UiServices&) { mnuStation_Click(m); });
}

}  // namespace config
