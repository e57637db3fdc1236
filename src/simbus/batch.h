#pragma once
// New transmitters connected to a bus one after another, as on a production station.
// Each comes at the factory place (address 01, 9600 baud) with its own serial number and
// faults, and stays until the host probes the factory address ("AD" without argument) for
// the second time since it came: by then it has been configured and moved away, or it
// has failed (or been skipped) and the user has taken it off. It is then unplugged (it
// hears nothing more), and the next one of the list takes its place and answers that
// probe. A full search probes the factory address too, so it counts as well.
//
//   simbus --batch 08100001 --batch 08100002:once=30 --batch 08100003
//   dravon --simulate-batch 08100001 --simulate-batch 08100002:once=30 ...

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simbus/bus.h"

namespace simbus {

inline constexpr std::string_view kBatchAddress = "01";
inline constexpr int kBatchBaud = 9600;
// A version whose range and decimal point can be written.
inline constexpr std::string_view kBatchVersion = "2.10";

struct BatchEntry {
  std::string serial;  // eight digits
  std::string faults;  // fault kinds as --fault takes them ("once=30"); empty: none
  friend bool operator==(const BatchEntry&, const BatchEntry&) = default;
};

// "SERIAL[:KIND[,KIND]...]"; nothing, with *error saying why, when it does not read.
std::optional<BatchEntry> ParseBatchEntry(std::string_view text, std::string* error);

// A new transmitter as it leaves the factory, with the entry's serial number and faults.
TransmitterConfig BatchTransmitter(const BatchEntry& entry);

// Plugs in the first entry now and each next one as described above. The bus keeps what
// it needs; `entries` must have been read by ParseBatchEntry.
void ConnectOneAfterAnother(Bus& bus, std::vector<BatchEntry> entries);

}  // namespace simbus
