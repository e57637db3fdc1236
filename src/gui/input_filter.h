#pragma once
// The user's mouse, keyboard and close input on the real window, turned into
// ui::UserActions before the widgets see it:
// - a press on a control that takes the focus first moves the model's focus there; when
//   the focused control's validation refuses, the press is swallowed (the click does not
//   happen) and Qt's focus goes back to the model's focused control;
// - a press on a label, frame or status bar is that control's click; a press on the
//   window's background (outside every control) is the background click;
// - keys and input-method text in a text box or editable list go to the model (see
//   text_key.h), and the widget never edits itself;
// - Tab moves the model's focus, with the same validation;
// - the window's close button asks the model, which may refuse.

#include <QObject>

namespace gui {

class WindowView;
struct BoundControl;

class InputFilter final : public QObject {
 public:
  explicit InputFilter(WindowView& view) : view_(view) {}

  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  bool OnClose(QEvent& event);
  bool OnMousePress(QObject* object, QEvent& event);
  bool OnKeyPress(QObject* object, QEvent& event);
  bool OnInputMethod(QObject* object, QEvent& event);
  void OnFocusIn(QObject* object, QEvent& event);
  // The control that takes typed text through `object`, or null.
  BoundControl* TypedTextControl(QObject* object);

  WindowView& view_;
};

}  // namespace gui
