#pragma once
// The demo population that `--simulate` and the simbus program serve by default,
// described in this one place (docs/simbus.md repeats the table):
//
//   address  baud  version  type      serial    unit   dp  range = 4-20 mA   trims ZF/FF
//   01       9600  2.00     86000000  08000001  0 kPa  1   +000.0 .. +100.0  +0000/+0000
//   05       4800  1.50     86000000  08000005  3 Bar  2   +00.00 .. +10.00  +0012/-0150
//   12       1200  2.10     86100000  08000012  4 psi  1   +000.0 .. +300.0  +0000/+0000
//
// Limits ("SL".."SH", "FU" = the unit): 01 +000.0 .. +250.0; 05 +00.00 .. +16.00;
// 12 +000.0 .. +500.0. Pressures around 40 kPa, 4.2 bar and 120 psi; temperatures
// around 23.5, 21.0 and 26.0 degrees C.

#include <memory>
#include <vector>

#include "platform/clock.h"
#include "simbus/bus.h"

namespace simbus {

std::vector<TransmitterConfig> DemoPopulation();

// A bus on `clock` (which must outlive it) holding DemoPopulation().
std::unique_ptr<Bus> MakeDemoBus(platform::Clock& clock, BusOptions options = {});

}  // namespace simbus
