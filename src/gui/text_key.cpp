#include "gui/text_key.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace gui {

namespace {

constexpr int kBackspaceCode = 8;
constexpr int kEnterCode = 13;
constexpr int kEscapeCode = 27;

bool MovesOrSelects(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:  // an editable list steps through its items
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:  // the focus move reaches the model as the widget takes the focus
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
      return true;
    default:
      return false;
  }
}

bool IsPrintable(const QString& text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  }
  return true;
}

TextKey Code(int code) { return TextKey{TextKey::Kind::kKeyCode, code, {}}; }

}  // namespace

TextKey ReadTextKey(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Paste)) return TextKey{TextKey::Kind::kPaste, 0, {}};
  if (event.matches(QKeySequence::Cut)) return TextKey{TextKey::Kind::kCut, 0, {}};
  if (event.matches(QKeySequence::Undo)) return TextKey{TextKey::Kind::kUndo, 0, {}};
  if (event.matches(QKeySequence::Delete)) return TextKey{TextKey::Kind::kDelete, 0, {}};
  if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::SelectAll) ||
      MovesOrSelects(event.key())) {
    return TextKey{TextKey::Kind::kLeaveToWidget, 0, {}};
  }
  switch (event.key()) {
    case Qt::Key_Backspace:
      return Code(kBackspaceCode);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Code(kEnterCode);
    case Qt::Key_Escape:
      return Code(kEscapeCode);
    default:
      break;
  }
  const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  const QString text = event.text();
  if ((event.modifiers() & chords) != 0 || !IsPrintable(text)) return TextKey{};
  if (text.size() == 1 && text.at(0).unicode() < 0x80) return Code(text.at(0).unicode());
  return TextKey{TextKey::Kind::kTypeText, 0, text.toStdString()};
}

}  // namespace gui
