#include "simbus/batch.h"

#include <deque>
#include <memory>

#include "protocol/commands.h"
#include "simbus/request_frame.h"
#include "simbus/server_options.h"

namespace simbus {

namespace {

constexpr std::size_t kSerialDigits = 8;

// The one transmitter plugged in at a time, and the ones still waiting.
struct Line {
  Bus& bus;
  std::deque<BatchEntry> waiting;
  std::optional<std::size_t> plugged;
  int probes = 0;  // at the factory place since the plugged one came

  void PlugNext() {
    if (plugged) bus.transmitter(*plugged).set_baud(0);  // a rate no host sends at: unplugged
    plugged.reset();
    probes = 0;
    if (waiting.empty()) return;
    bus.Add(BatchTransmitter(waiting.front()));
    waiting.pop_front();
    plugged = bus.size() - 1;
  }

  void Heard(std::string_view frame, int baud) {
    if (baud != kBatchBaud) return;
    const std::optional<Request> request = ParseRequestFrame(frame);
    if (!request || request->address != kBatchAddress || request->command != protocol::cmd::kAddress) return;
    if (++probes >= 2) {
      PlugNext();
      probes = 1;  // the new one answers this probe
    }
  }
};

}  // namespace

std::optional<BatchEntry> ParseBatchEntry(std::string_view text, std::string* error) {
  const auto fail = [&](std::string why) -> std::optional<BatchEntry> {
    if (error)
      *error =
          "bad batch transmitter \"" + std::string(text) + "\" (want SERIAL[:KIND[,KIND]...], " + why + ")";
    return std::nullopt;
  };
  const std::size_t colon = text.find(':');
  BatchEntry entry{std::string(text.substr(0, colon)), ""};
  if (entry.serial.size() != kSerialDigits ||
      entry.serial.find_first_not_of("0123456789") != std::string::npos)
    return fail("SERIAL eight digits");
  if (colon != std::string_view::npos) {
    entry.faults = std::string(text.substr(colon + 1));
    Faults probe;
    if (const std::optional<std::string> why = ApplyFaultKinds(entry.faults, probe)) return fail(*why);
  }
  return entry;
}

TransmitterConfig BatchTransmitter(const BatchEntry& entry) {
  TransmitterConfig config;
  config.address = std::string(kBatchAddress);
  config.baud = kBatchBaud;
  config.version = std::string(kBatchVersion);
  config.settings.serial = entry.serial;
  config.seed = std::stoull(entry.serial);
  if (!entry.faults.empty()) ApplyFaultKinds(entry.faults, config.faults);
  return config;
}

void ConnectOneAfterAnother(Bus& bus, std::vector<BatchEntry> entries) {
  auto line = std::make_shared<Line>(Line{bus, {entries.begin(), entries.end()}, std::nullopt, 0});
  line->PlugNext();
  bus.set_frame_hook([line](std::string_view frame, int baud) { line->Heard(frame, baud); });
}

}  // namespace simbus
