#include "gui/signal_binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>

#include "gui/scroll_mapping.h"
#include "gui/text_selection.h"
#include "gui/window_view.h"

namespace gui {

namespace {

// Runs `act` for a signal the user raised, never for one raised while the model is shown.
template <typename Act>
auto FromUser(WindowView& view, BoundControl& bound, Act act) {
  return [&view, &bound, act](auto... args) {
    if (view.showing_model()) return;
    act(view.actions(), args...);
    view.Settle(bound);
  };
}

// Whatever still edits a line edit by itself (a platform's own editing gesture) reaches
// the model as a paste of the whole new text, and the box then shows the model's text.
void ConnectEdits(WindowView& view, BoundControl& bound, QLineEdit* edit) {
  if (edit == nullptr) return;
  const ui::ControlId id = bound.control->id();
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   FromUser(view, bound, [id](ui::UserActions& actions, const QString& text) {
                     actions.Paste(id, text.toStdString());
                   }));
  // The widget moves its caret and selects by itself (arrows, Home, End, the mouse): the
  // model follows, so that typing goes where the user sees the caret. Not settled like the
  // other signals: a selection also changes as the focus leaves, and settling would pull
  // the focus back before the model hears of the move.
  const auto follow_caret = [&view, id, edit](auto...) {
    if (!view.showing_model()) view.actions().Select(id, SelectionOf(*edit));
  };
  QObject::connect(edit, &QLineEdit::cursorPositionChanged, edit, follow_caret);
  QObject::connect(edit, &QLineEdit::selectionChanged, edit, follow_caret);
}

}  // namespace

void ConnectUserSignals(WindowView& view, BoundControl& bound) {
  const ui::Control& control = *bound.control;
  const ui::ControlId id = control.id();
  auto click = [id](ui::UserActions& actions, auto...) { actions.Click(id); };
  switch (control.kind()) {
    case ui::ControlKind::kButton:
    case ui::ControlKind::kCheckBox:
    case ui::ControlKind::kOption:
      if (auto* button = qobject_cast<QAbstractButton*>(bound.widget)) {
        QObject::connect(button, &QAbstractButton::clicked, button, FromUser(view, bound, click));
      }
      break;
    case ui::ControlKind::kList:
      if (auto* combo = qobject_cast<QComboBox*>(bound.widget)) {
        QObject::connect(
            combo, &QComboBox::activated, combo,
            FromUser(view, bound, [id](ui::UserActions& actions, int index) { actions.Choose(id, index); }));
        ConnectEdits(view, bound, combo->lineEdit());
      }
      break;
    case ui::ControlKind::kTextBox:
      ConnectEdits(view, bound, qobject_cast<QLineEdit*>(bound.widget));
      break;
    case ui::ControlKind::kScrollBar:
      if (auto* bar = qobject_cast<QScrollBar*>(bound.widget)) {
        const ui::Control* model = &control;
        QObject::connect(bar, &QAbstractSlider::valueChanged, bar,
                         FromUser(view, bound, [id, model](ui::UserActions& actions, int qt_value) {
                           actions.Scroll(id, ScrollMapping(model->min(), model->max()).ToModel(qt_value));
                         }));
      }
      break;
    case ui::ControlKind::kMenu:
      if (bound.menu != nullptr)
        QObject::connect(bound.menu, &QMenu::aboutToShow, bound.menu, FromUser(view, bound, click));
      break;
    case ui::ControlKind::kMenuItem:
      if (bound.action != nullptr) {
        QObject::connect(bound.action, &QAction::triggered, bound.action, FromUser(view, bound, click));
      }
      break;
    default:
      break;  // labels, frames and the status bar are clicked through the input filter
  }
}

}  // namespace gui
