#include "simbus/demo_bus.h"

namespace simbus {
namespace {

// One row of the table in demo_bus.h. Range and 4-20 mA pressures start equal.
struct DemoRow {
  const char* address;
  int baud;
  const char* version;
  const char* type;
  const char* serial;
  int unit;
  int dp;
  double range_high;
  double limit_high;
  int trim_low, trim_high;
  Signal pressure, temperature;
};

constexpr DemoRow kDemo[] = {
    // A "2.00": Dravon reads SL, SH and FU and disables the range boxes.
    {"01",
     9600,
     "2.00",
     "86000000",
     "08000001",
     0,
     1,
     100.0,
     250.0,
     0,
     0,
     {40.0, 2.5, 60.0, 0.05},
     {23.5, 0.8, 600.0, 0.05}},
    // An older "1.50": Dravon normalises typed range values to the decimal-point pattern.
    {"05",
     4800,
     "1.50",
     "86000000",
     "08000005",
     3,
     2,
     10.0,
     16.0,
     12,
     -150,
     {4.2, 0.3, 45.0, 0.004},
     {21.0, 0.5, 900.0, 0.05}},
    // A "2.10": above 2 but not "2.00", typed values are sent unchanged.
    {"12",
     1200,
     "2.10",
     "86100000",
     "08000012",
     4,
     1,
     300.0,
     500.0,
     0,
     0,
     {120.0, 6.0, 90.0, 0.2},
     {26.0, 1.2, 1200.0, 0.05}},
};

}  // namespace

std::vector<TransmitterConfig> DemoPopulation() {
  std::vector<TransmitterConfig> population;
  std::uint64_t seed = 1;
  for (const DemoRow& row : kDemo) {
    TransmitterConfig c;
    c.address = row.address;
    c.baud = row.baud;
    c.version = row.version;
    c.settings.type = row.type;
    c.settings.serial = row.serial;
    c.settings.unit = row.unit;
    c.settings.dp = row.dp;
    c.settings.range_low = c.settings.output_low = 0.0;
    c.settings.range_high = c.settings.output_high = row.range_high;
    c.settings.trim_low = row.trim_low;
    c.settings.trim_high = row.trim_high;
    c.limit_low = 0.0;
    c.limit_high = row.limit_high;
    c.limit_unit = row.unit;
    c.pressure = row.pressure;
    c.temperature = row.temperature;
    c.seed = seed++;
    population.push_back(std::move(c));
  }
  return population;
}

std::unique_ptr<Bus> MakeDemoBus(platform::Clock& clock, BusOptions options) {
  auto bus = std::make_unique<Bus>(clock, options);
  for (auto& config : DemoPopulation()) bus->Add(std::move(config));
  return bus;
}

}  // namespace simbus
