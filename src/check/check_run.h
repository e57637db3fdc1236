#pragma once
// The check of the selected transmitter against a reference (mnuCheck): the plan, the
// certificate and the check log are asked for as files; then, point by point, the user
// is asked to set the pressure, the transmitter and the reference transmitter are
// polled with the polling's own transaction until the last readings are stable, and
// their averages give the point's error in percent of span. One message box at the end.
//
// Nothing is ever written to a transmitter: the check only reads. A poll that fails is
// a failed point with its reason, never a zero. The run remembers the checks of this
// session per serial number, so the as-found and the as-left check of one transmitter
// go on one certificate.
//
// The certificate is drawn by whoever renders it (the PDF writer above this floor),
// handed in as a function; a typed reference is asked for the same way, by a window
// that has a field for it. Without one, a plan that needs typed references is refused.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/certificate.h"
#include "check/check_result.h"
#include "platform/listeners.h"
#include "shell/main_window.h"

namespace check {

inline constexpr std::string_view kCheckTitle = "校准检查";

// What the check window shows while a check runs.
struct CheckProgress {
  bool running = false;
  std::size_t point = 0;  // index in the sequence of the point being taken
  std::size_t point_count = 0;
  double nominal = 0;
  std::string unit;
  int decimals = 2;
  std::optional<double> reading;    // the last reading of the transmitter under test
  std::optional<double> reference;  // the last reading of the reference transmitter
  double spread = 0;                // of the readings taken at this point so far, the last N
  bool stable = false;
  bool waiting_for_reference = false;  // a typed reference is asked for
  std::vector<PointResult> done;       // the points taken so far
};

// A typed reference asked for at a point whose readings settled at `reading`.
struct ReferenceRequest {
  double nominal = 0;
  double reading = 0;
  std::string unit;
};

class CheckRun {
 public:
  // Draws `certificate` into the file `path`; false with `error` when it could not.
  using CertificateWriter =
      std::function<bool(const Certificate& certificate, const std::string& path, std::string& error)>;
  // The reference the user typed; nothing when the user ended the check instead.
  using ReferenceAsker = std::function<std::optional<double>(const ReferenceRequest&)>;

  explicit CheckRun(shell::MainWindow& main);
  CheckRun(const CheckRun&) = delete;
  CheckRun& operator=(const CheckRun&) = delete;

  void set_certificate_writer(CertificateWriter writer) { write_certificate_ = std::move(writer); }
  void set_reference_asker(ReferenceAsker asker) { ask_reference_ = std::move(asker); }

  // mnuCheck: asks for the files and runs the check.
  void Click();
  // The check itself with the plan read and the files chosen; the result, or nothing
  // when it could not start (said in a message box).
  std::optional<CheckResult> Run(const CheckPlan& plan, const std::string& certificate_path,
                                 const std::string& log_path);
  // Ends a running check before its next reading; it fails.
  void Stop() { stop_requested_ = true; }

  const CheckProgress& progress() const { return progress_; }
  // The checks of this session of one serial number, the latest of each stage.
  std::vector<CheckResult> ChecksOf(const std::string& serial) const;

  // Told whenever the progress changes.
  platform::Listeners& changes() { return changes_; }

  // From one reading to the next, and how many more than the plan's count are taken
  // before a point that will not settle fails.
  static constexpr int kReadingPeriodMs = 250;
  static constexpr int kExtraReadings = 40;

 private:
  struct Poll {
    std::optional<double> value;
    std::string failure;  // what came instead of a value
  };
  std::optional<Identity> ReadIdentity();
  Poll PollPressure(const std::string& address);
  // The reference answers, in the unit of the transmitter under test; said in a box when not.
  bool ReferenceAgrees(const std::string& reference, const Identity& id);
  // False when the check is to end: stopped, window closed, port lost.
  bool Pause();
  PointResult TakePoint(const CheckPlan& plan, const Identity& id, double percent, bool& ended);
  void Tell(std::string text, ui::MessageBoxIcon icon);

  shell::MainWindow& main_;
  CertificateWriter write_certificate_;
  ReferenceAsker ask_reference_;
  CheckProgress progress_;
  bool stop_requested_ = false;
  bool holding_port_ = false;
  std::map<std::string, std::map<Stage, CheckResult>> session_;  // by serial number, by stage
  platform::Listeners changes_;
};

// The texts the check shows (patterns with their %N).
std::vector<std::string_view> CheckTexts();

}  // namespace check
