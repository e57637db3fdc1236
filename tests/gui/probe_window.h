#pragma once
// A small window with one control of each kind, whose handlers write down what ran, and
// helpers to drive the Qt event loop without depending on the machine's speed.

#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/window.h"

class QMainWindow;

namespace gui_test {

struct ProbeWindow {
  ProbeWindow();

  ui::Window window{"Probe", "探针窗口"};
  // "click:btn", "change:txt", "key:txt:49", "validate:txt", ...
  std::vector<std::string> events;
  // txt refuses to lose the focus while its text is this.
  std::string refused_text = "bad";

  int Count(const std::string& event) const;
};

// Processes Qt events until `done` holds, in at most `rounds` short waits; false when it
// never held.
bool ProcessEventsUntil(const std::function<bool()>& done, int rounds = 5000);

// Answers the first message box that shows up by pressing `button`, and notes what it
// showed. Watches from the moment it is made until it has answered or goes away.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QMessageBox::StandardButton button);

  bool answered = false;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons offered;
  int width = 0;

 private:
  void Look();

  QMessageBox::StandardButton button_;
  QTimer watch_;
};

// Shows the window and waits until it is active, so that focus and input behave as on a desktop.
bool ShowActive(QMainWindow& main);

}  // namespace gui_test
