#pragma once
// The real window of one ui::Window: a QMainWindow built from the control table, kept
// showing the model through the WindowObserver, and forwarding what the user does through
// ui::UserActions. The model owns every text, selection, value and the keyboard focus;
// a widget only ever shows them.

#include <functional>
#include <memory>
#include <string_view>

#include "gui/widget_table.h"
#include "platform/ui/user_actions.h"
#include "platform/ui/window.h"

class QAction;
class QMainWindow;
class QWidget;

namespace gui {

class InputFilter;

class WindowView final : public ui::WindowObserver {
 public:
  explicit WindowView(ui::Window& window);
  ~WindowView() override;
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  QMainWindow& main_window() { return *main_; }
  ui::Window& window() { return window_; }
  // The widget showing the named control; null for one without a widget (timer, menu).
  QWidget* WidgetOf(std::string_view name, int index = -1);
  // The menu entry of a menu or menu item; null for other controls.
  QAction* ActionOf(std::string_view name, int index = -1);

  // Runs once the model's window has closed and the QMainWindow with it.
  void set_on_closed(std::function<void()> on_closed) { on_closed_ = std::move(on_closed); }

  // ---- For the input side of the binding
  WidgetTable& widgets() { return table_; }
  ui::UserActions& actions() { return actions_; }
  // True while the view shows the model: widget signals and focus moves raised meanwhile
  // are not the user's and must not go back to the model.
  bool showing_model() const { return showing_model_ > 0; }
  // After the user acted on a widget that changes itself (a check box, a list, a bar):
  // show what the model decided instead, and the focus where the model has it.
  void Settle(BoundControl& bound);
  // Puts Qt's keyboard focus on the widget of the model's focused control.
  void ShowModelFocus();

  // ---- ui::WindowObserver
  void OnControlChanged(const ui::Control& control, ui::Property property) override;
  void OnWindowCaptionChanged(const std::string& caption) override;
  void OnFocusChanged(const ui::Control* focused) override;
  void OnWindowClosed() override;

 private:
  class ShowingModel;
  BoundControl* Bound(std::string_view name, int index);

  ui::Window& window_;
  ui::UserActions actions_;
  WidgetTable table_;
  int showing_model_ = 0;
  std::function<void()> on_closed_;
  std::unique_ptr<QMainWindow> main_;
  std::unique_ptr<InputFilter> filter_;
};

}  // namespace gui
