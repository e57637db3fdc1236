#pragma once
// The window's services in headless mode: message boxes are printed as JSON lines and
// answered from the script's queued answers (else with their first button; a Retry/Cancel
// box left unanswered three times in a row is then cancelled, so a script never retries
// a dead line for ever), DoEvents runs the event loop's due events, timers tick through
// the event loop, and the time of day moves with the clock from a given start. A file is
// never asked for: it is the one given on the command line for its key (--profile FILE),
// and without one a message box says which option is missing.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "platform/clock.h"
#include "platform/ui/headless/event_loop.h"
#include "platform/ui/ui_services.h"

namespace ui::headless {

class HeadlessServices final : public UiServices {
 public:
  // Unanswered Retry/Cancel boxes get "retry" this many times in a row, then "cancel".
  static constexpr int kMaxUnansweredRetries = 3;

  HeadlessServices(EventLoop& loop, platform::Clock& clock, TimeOfDay start, std::ostream& out);

  MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
  void DoEvents() override { loop_.RunDueEvents(); }
  void TimerChanged(Control& timer) override { loop_.TimerChanged(timer); }
  TimeOfDay Now() override;
  std::optional<std::string> ChooseFile(const FileChoiceRequest& request) override;

  // The answer to every request for `key` ("profile" for --profile FILE).
  void set_file(const std::string& key, std::string path) { files_[key] = std::move(path); }

  // `line` is the script line that queued it, named if the answer does not fit its box.
  void QueueAnswer(MessageBoxAnswer answer, int line);

 private:
  struct QueuedAnswer {
    MessageBoxAnswer answer;
    int line;
  };

  EventLoop& loop_;
  platform::Clock& clock_;
  const long long start_seconds_;
  const std::uint64_t start_us_;
  std::ostream& out_;
  std::deque<QueuedAnswer> answers_;
  std::map<std::string, std::string, std::less<>> files_;
  int unanswered_retries_ = 0;
};

}  // namespace ui::headless
