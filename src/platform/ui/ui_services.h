#pragma once
// What a window needs from the front-end that shows it: the real window and the
// headless mode each provide one. Handlers receive it as an argument, so a test can
// hand them its own.

#include <optional>
#include <string>

#include "platform/ui/file_choice.h"
#include "platform/ui/message_box.h"
#include "platform/ui/time_of_day.h"

namespace ui {

class Control;

class UiServices {
 public:
  virtual ~UiServices() = default;

  // Shows a modal message box and returns once the user has answered it.
  virtual MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) = 0;

  // Lets pending window events run (clicks, timer ticks), re-entering handlers.
  virtual void DoEvents() = 0;

  // One step of a wait for the line: a handler waits without letting events run, and
  // meanwhile the window paints what handlers have changed so far and shows that it is
  // busy. No input, no tick and no handler runs; a close the user asks for meanwhile is
  // held and carried out once the handler is over. Nothing to do without a display.
  virtual void Repaint() {}

  // The window calls this when a timer is enabled or disabled or its interval changes,
  // and for every timer when the services are attached. A running timer's schedule
  // restarts from now; ticks are delivered back through Window::RunTimerTick, at most
  // one pending at a time.
  virtual void TimerChanged(Control& timer) = 0;

  virtual TimeOfDay Now() = 0;

  // Asks for a file; nothing when none was chosen (the user cancelled, or the front-end
  // has no way to ask). A front-end that cannot ask says so to the user itself.
  virtual std::optional<std::string> ChooseFile(const FileChoiceRequest& /*request*/) { return std::nullopt; }
};

}  // namespace ui
