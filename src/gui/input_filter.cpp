#include "gui/input_filter.h"

#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>

#include "gui/text_key.h"
#include "gui/text_selection.h"
#include "gui/window_view.h"

namespace gui {

namespace {

// What a paste puts into a one-line box: the clipboard's first line.
std::string ClipboardLine() {
  QString clip = QGuiApplication::clipboard()->text();
  const qsizetype line_end = clip.indexOf(QRegularExpression("[\r\n]"));
  if (line_end >= 0) clip.truncate(line_end);
  return clip.toStdString();
}

}  // namespace

bool InputFilter::eventFilter(QObject* object, QEvent* event) {
  if (view_.showing_model()) return false;
  switch (event->type()) {
    case QEvent::Close:
      return object == &view_.main_window() && OnClose(*event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return OnMousePress(object, *event);
    case QEvent::MouseButtonRelease:
      // A middle-button release pastes X11's selection straight into a line edit.
      return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
             TypedTextControl(object) != nullptr;
    case QEvent::KeyPress:
      return OnKeyPress(object, *event);
    case QEvent::InputMethod:
      return OnInputMethod(object, *event);
    case QEvent::FocusIn:
      OnFocusIn(object, *event);
      return false;
    default:
      return false;
  }
}

bool InputFilter::OnClose(QEvent& event) {
  if (view_.window().closed()) return false;  // closed by the model: let the widget go
  if (view_.actions().Close().status == ui::ActionStatus::kDone) return false;
  event.ignore();
  return true;
}

bool InputFilter::OnMousePress(QObject* object, QEvent& event) {
  const auto& press = static_cast<QMouseEvent&>(event);
  if (object == view_.main_window().centralWidget()) {
    if (press.button() != Qt::LeftButton) return false;
    if (event.type() == QEvent::MouseButtonPress) view_.actions().BackgroundClick();  // once per click
    return true;
  }
  BoundControl* bound = view_.widgets().FindByObject(object);
  if (bound == nullptr || bound->widget == nullptr || !bound->widget->isEnabled()) {
    return false;  // a disabled control passes the press on to what holds it
  }
  ui::Control& control = *bound->control;
  if (!ui::KindTakesFocus(control.kind())) {
    // Kept from the background behind it: a press on a label or frame is its own click.
    if (press.button() == Qt::LeftButton && event.type() == QEvent::MouseButtonPress) {
      view_.actions().Click(control.id());
    }
    return true;
  }
  if (press.button() == Qt::MiddleButton && TypedTextControl(object) != nullptr) return true;
  if (view_.window().focused() == &control) return false;
  if (view_.actions().Focus(control.id()).status == ui::ActionStatus::kDone) return false;
  view_.ShowModelFocus();
  return true;
}

BoundControl* InputFilter::TypedTextControl(QObject* object) {
  BoundControl* bound = view_.widgets().FindByObject(object);
  if (bound == nullptr || !ui::KindHoldsTypedText(bound->control->kind(), bound->control->editable())) {
    return nullptr;
  }
  return LineEditOf(object) != nullptr ? bound : nullptr;
}

bool InputFilter::OnKeyPress(QObject* object, QEvent& event) {
  BoundControl* bound = TypedTextControl(object);
  if (bound == nullptr) return false;
  const ui::ControlId id = bound->control->id();
  const TextKey key = ReadTextKey(static_cast<QKeyEvent&>(event));
  switch (key.kind) {
    case TextKey::Kind::kLeaveToWidget:
      return false;
    case TextKey::Kind::kDrop:
      return true;
    case TextKey::Kind::kKeyCode:
      view_.actions().KeyAtCaret(id, key.code);
      return true;
    case TextKey::Kind::kTypeText:
      view_.actions().TypeAtCaret(id, key.text);
      return true;
    case TextKey::Kind::kPaste:
      view_.actions().Insert(id, ClipboardLine());
      return true;
    case TextKey::Kind::kDelete:
      view_.actions().Delete(id);
      return true;
    case TextKey::Kind::kCut:
      if (bound->control->selection().length() > 0 && !bound->control->read_only()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(bound->control->selected_text()));
      }
      view_.actions().Cut(id);
      return true;
    case TextKey::Kind::kUndo:
      view_.actions().Undo(id);
      return true;
  }
  return true;
}

// Text composed with an input method (Chinese, for one) arrives as one commit.
bool InputFilter::OnInputMethod(QObject* object, QEvent& event) {
  BoundControl* bound = TypedTextControl(object);
  if (bound == nullptr) return false;
  const QString committed = static_cast<QInputMethodEvent&>(event).commitString();
  if (!committed.isEmpty()) view_.actions().TypeAtCaret(bound->control->id(), committed.toStdString());
  return true;
}

// Tab and shortcuts move Qt's focus on their own: the model hears of it and may refuse.
// Any other way Qt's focus strays from the model's (a press is handled before it lands)
// is put back. That happens after the focus event, not inside it.
void InputFilter::OnFocusIn(QObject* object, QEvent& event) {
  BoundControl* bound = view_.widgets().FindByObject(object);
  if (bound == nullptr || !ui::KindTakesFocus(bound->control->kind())) return;
  if (view_.window().focused() == bound->control) return;
  const Qt::FocusReason reason = static_cast<QFocusEvent&>(event).reason();
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
    if (view_.actions().Focus(bound->control->id()).status == ui::ActionStatus::kDone) return;
  }
  WindowView* view = &view_;
  QTimer::singleShot(0, &view_.main_window(), [view] { view->ShowModelFocus(); });
}

}  // namespace gui
