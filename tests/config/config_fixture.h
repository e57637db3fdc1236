#pragma once
// The whole Dravon window on the simulated bus, with a transmitter found and selected
// the way a finished search leaves it.

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/dravon_fixture.h"

namespace config_test {

class ConfigFixture : public testing_support::DravonFixture {
 protected:
  // A finished search that found these entries (address, band index), without running
  // one, and with entry 0 selected but not read: it is selected while the table is still
  // empty, so the selection handler finds nothing to read.
  void Found(std::vector<shell::OnlineEntry> entries) {
    ui::Control& found = (*this)["CMB_ADDR"];
    for (const auto& e : entries) found.add_item(e.Addr);
    found.set_list_index(0);
    main.OnlineTable = std::move(entries);
  }
  // Starts on port 1, finds one transmitter at 9600 baud and selects it (the full read),
  // forgetting the commands of the read.
  simbus::Transmitter& StartWithSelected(std::string address, std::string version = "1.50") {
    simbus::Transmitter& t = AddTransmitter(address, 9600, std::move(version));
    Start(1);
    Found({{address, 3}});
    user.Choose({"CMB_ADDR", -1}, 0);
    TakeCommands();
    return t;
  }
  std::string Text(std::string_view name) { return (*this)[name].text(); }
};

}  // namespace config_test
