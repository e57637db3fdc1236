#pragma once
// The window's services in the real window: modal QMessageBoxes, Qt's event processing
// for DoEvents, one QTimer per timer control, the system's time of day, and file dialogs.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "platform/ui/ui_services.h"

class QWidget;

namespace ui {
class Window;
}

namespace gui {

class QtServices final : public ui::UiServices {
 public:
  // Answers a message box in place of the user; tests set one so that nothing waits.
  using MessageBoxHook = std::function<ui::MessageBoxAnswer(const ui::MessageBoxRequest&)>;

  explicit QtServices(ui::Window& window);
  ~QtServices() override;
  QtServices(const QtServices&) = delete;
  QtServices& operator=(const QtServices&) = delete;

  ui::MessageBoxAnswer ShowMessageBox(const ui::MessageBoxRequest& request) override;
  void DoEvents() override;
  // Lets Qt run everything but the user's input: layouts and paints, the window system's
  // own events. Input, whether still with the window system or already posted, is held
  // until the wait is over. Ticks are skipped (they never queue up) and a close of the window is held;
  // the busy cursor shows until the wait is over.
  void Repaint() override;
  // A timer runs while it is enabled with a positive interval; a change restarts it.
  // Its ticks reach the window through Window::RunTimerTick, which skips a tick while the
  // previous one still runs; a QTimer never queues ticks up.
  void TimerChanged(ui::Control& timer) override;
  ui::TimeOfDay Now() override;
  // A QFileDialog over the window, starting at the suggested file; a file given for the
  // request's key (set_file) without asking.
  std::optional<std::string> ChooseFile(const ui::FileChoiceRequest& request) override;
  void set_file(const std::string& key, std::string path) { files_[key] = std::move(path); }

  // Message boxes stand over this window once it is shown; its close is held during waits.
  void set_dialog_parent(QWidget* parent);
  void set_message_box_hook(MessageBoxHook hook) { hook_ = std::move(hook); }

  // The QTimer of a timer control; null before the window reported it.
  QTimer* TimerOf(const ui::Control& timer) const;

  // True from a wait's first step until events run again outside it.
  bool waiting() const { return busy_cursor_; }
  // True while the user's close waits for the handler to end.
  bool close_held() const { return close_held_; }

 private:
  class CloseHolder;
  class InputHolder;
  // Counts a nested event loop of a running handler (a message box, a file dialog, DoEvents).
  class InHandlerLoop;

  // Runs once events run outside a wait again: the wait is over.
  void AfterWait();
  // The window once it is shown; before that, dialogs stand on their own.
  QWidget* DialogParent() const;

  ui::Window& window_;
  QPointer<QWidget> dialog_parent_;
  MessageBoxHook hook_;
  std::map<const ui::Control*, std::unique_ptr<QTimer>> timers_;
  std::map<std::string, std::string> files_;
  std::unique_ptr<CloseHolder> close_holder_;
  std::unique_ptr<InputHolder> input_holder_;
  QTimer after_wait_;
  bool in_wait_step_ = false;
  bool busy_cursor_ = false;
  bool close_held_ = false;
  int handler_loops_ = 0;
};

}  // namespace gui
