#pragma once
// The frame "数字信号设置": pressure unit (cmbUnit), decimal-point pattern (Cmb_DP) and the
// range zero and full scale (TXT_DPL, TXT_DPH), read from and written to the selected
// transmitter. Each reply goes back into the control it belongs to, so the window shows
// what the transmitter holds rather than what was sent.

#include "shell/main_window.h"

namespace config {

// How many unit-handler reads are running, one inside the other. A transmitter that
// keeps answering another unit than the one just written would otherwise make every
// read select a new unit and start the next read, without end.
struct UnitReadNesting {
  int running = 0;
};

// "UT", "DP", "DL", "DH", each reply filled back in. A unit read that differs from the
// list runs the unit handler before "DP" is sent.
void cmdSCALE_Read_Click(shell::MainWindow& main);

// "UT" + unit index, "DP" + decimal-point index, "DL" + TXT_DPL, "DH" + TXT_DPH, each
// sent as the control stands at that moment and each reply filled back in.
void cmdSCALE_Write_Click(shell::MainWindow& main);

// A new unit selection is sent at once ("UT" + index, "-1" for none). While cmbUnit is
// enabled everything is then read again; the selection read from CMB_ADDR_Click finds
// it disabled, so the unit is only written back. A change made inside a read that a
// unit change started may start one more read, and no further one.
void cmbUnit_Click(shell::MainWindow& main, UnitReadNesting& nesting);

// Leaving the range boxes: the typed value takes the decimal-point pattern (older
// transmitters only). The focus always moves on.
void TXT_DPL_Validate(shell::MainWindow& main, bool& cancel);
void TXT_DPH_Validate(shell::MainWindow& main, bool& cancel);

}  // namespace config
