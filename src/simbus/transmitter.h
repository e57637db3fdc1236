#pragma once
// One simulated pressure transmitter: the transmitter's side of the bus command
// set. It knows nothing of the line; the Bus hands it each command addressed to it
// (or broadcast to "AA") with the time the request frame ended, and puts its reply on
// the wire.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "simbus/faults.h"
#include "simbus/manifold.h"

namespace simbus {

// The four baud rates of the bus by their "BD" code: 0 = 1200 ... 3 = 9600.
std::optional<int> BaudFromCode(int code);
std::optional<int> CodeFromBaud(int baud);

// The settings a data area holds ("WU"/"WF" store the present ones, "LD" restores the
// factory area). The bus address and baud rate are not part of it.
struct Settings {
  std::string type = "86000000";    // "TY"
  std::string serial = "08000000";  // "ID"
  int unit = 0;                     // "UT", 0..12
  int dp = 1;                       // "DP", 0..4
  double range_low = 0.0;           // "DL"
  double range_high = 100.0;        // "DH"
  double output_low = 0.0;          // "OL": pressure at 4 mA
  double output_high = 100.0;       // "OH": pressure at 20 mA
  int trim_low = 0;                 // "ZF"
  int trim_high = 0;                // "FF"
  double zero_offset = 0.0;         // set by "SZ"

  friend bool operator==(const Settings&, const Settings&) = default;
};

// A live value: base + amplitude * sin(2 pi t / period) + noise, the noise uniform in
// [-noise, +noise] and fixed per 100 ms of clock time (a function of the seed and the
// time, not of how often it is read).
struct Signal {
  double base = 0.0;
  double amplitude = 0.0;
  double period_s = 60.0;
  double noise = 0.0;
};

struct TransmitterConfig {
  std::string address = "01";
  int baud = 9600;
  std::string version = "2.00";  // "VR"; "2.00" makes Dravon read "SL", "SH", "FU"
  Settings settings;             // present settings = user area = factory area at power-up
  double limit_low = 0.0;        // "SL"
  double limit_high = 250.0;     // "SH"
  int limit_unit = 0;            // "FU"
  Signal pressure{40.0, 2.0, 60.0, 0.02};
  Signal temperature{23.5, 0.8, 600.0, 0.05};
  std::uint64_t seed = 1;
  Faults faults;
};

// One command as the transmitter heard it, and whether it changed the transmitter: its
// present settings, a data area, its address or its baud rate.
struct HeardCommand {
  std::string command;  // mnemonic and argument, "UT4"
  bool broadcast = false;
  bool changed = false;
  friend bool operator==(const HeardCommand&, const HeardCommand&) = default;
};

// What handling one command produces.
struct Outcome {
  std::optional<Transmission> reply;  // nothing: no answer
  std::optional<int> baud_after;      // "BD": the baud rate to switch to once the reply is out
};

class Transmitter {
 public:
  explicit Transmitter(TransmitterConfig config);

  // Applies `command` (mnemonic + argument) heard at `now_us`. A broadcast is applied
  // but never answered. Unknown commands, and arguments given to a command that takes
  // none, are not answered.
  Outcome Handle(std::string_view command, std::uint64_t now_us, bool broadcast);

  // The reply value for `command`, applying it: the command set without the line.
  // Nothing for an unknown command. Sets *baud_after for a valid "BD".
  std::optional<std::string> Execute(std::string_view command, std::uint64_t now_us,
                                     std::optional<int>* baud_after);

  const std::string& address() const { return address_; }
  void set_address(std::string address) { address_ = std::move(address); }
  int baud() const { return baud_; }
  void set_baud(int baud) { baud_ = baud; }
  const std::string& version() const { return config_.version; }
  const TransmitterConfig& config() const { return config_; }

  Settings& present() { return present_; }
  const Settings& present() const { return present_; }
  const Settings& user_area() const { return user_area_; }
  const Settings& factory_area() const { return factory_area_; }

  // The live values at a time, as "RP0" and "RT0" report them (zero offset applied).
  double PressureAt(std::uint64_t now_us) const;
  // A fixed "RP0" value in place of the live reading, for firmware that writes its
  // pressure in another form ("+40.0", "+4.0"); empty: the live reading again.
  void set_pressure_text(std::string text) { pressure_text_ = std::move(text); }
  double TemperatureAt(std::uint64_t now_us) const;
  // From now on the pressure is the manifold's, read as gain * pressure + offset with a
  // little noise (kManifoldNoise) in place of the signal of its configuration.
  void ConnectManifold(std::shared_ptr<const Manifold> manifold, double gain, double offset) {
    manifold_ = std::move(manifold);
    gain_ = gain;
    offset_ = offset;
  }

  // The commands heard, oldest first; only the latest kHeardLimit are kept.
  static constexpr std::size_t kHeardLimit = 10000;
  const std::deque<HeardCommand>& heard() const { return heard_; }
  void clear_heard() { heard_.clear(); }

  Faults& faults() { return faults_; }
  const FaultCounters& fault_counters() const { return counters_; }
  void reset_fault_counters() { counters_ = {}; }

 private:
  double RawPressureAt(std::uint64_t now_us) const;
  std::string RangeText(double x) const;
  std::optional<std::string> WriteRangeValue(std::string_view arg, double& field);

  TransmitterConfig config_;
  std::string address_;
  int baud_;
  Settings present_, user_area_, factory_area_;
  Faults faults_;
  FaultCounters counters_;
  std::string pressure_text_;
  std::shared_ptr<const Manifold> manifold_;
  double gain_ = 1.0;
  double offset_ = 0.0;
  std::deque<HeardCommand> heard_;
};

}  // namespace simbus
