#pragma once
// The frame "模拟输出设置": the pressures at 4 mA and 20 mA (TXT_DAL, TXT_DAH) and the two
// current trims (TXT_DAZF, TXT_DAFF) with their bars VScroll1 and VScroll2.
//
// The bars are never moved by the program: a bar's value is the sum of the user's steps
// since start-up, and each step sends the trim text of that value, whatever trim the
// box shows from the last reading.

#include "shell/main_window.h"

namespace config {

// "OL", "OH", "ZF", "FF", each reply put into its box.
void cmdDA_Read_Click(shell::MainWindow& main);

// The same four with each box's text as it stands, each reply put back into its box.
void cmdDA_Write_Click(shell::MainWindow& main);

// The bar's value becomes the trim box's text ("+0025"), is sent ("ZF+0025" / "FF+0025"),
// and the reply replaces it.
void VScroll1_Change(shell::MainWindow& main);
void VScroll2_Change(shell::MainWindow& main);

// Leaving the pressure boxes: the typed value takes the decimal-point pattern of the
// range (older transmitters only). The focus always moves on.
void TXT_DAL_Validate(shell::MainWindow& main, bool& cancel);
void TXT_DAH_Validate(shell::MainWindow& main, bool& cancel);

}  // namespace config
