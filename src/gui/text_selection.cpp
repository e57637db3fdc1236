#include "gui/text_selection.h"

#include <QComboBox>
#include <QLineEdit>

namespace gui {

namespace {

int ToCharacters(const QString& text, int units) {
  return static_cast<int>(QStringView(text).left(units).toUcs4().size());
}

int ToUnits(const QString& text, int characters) {
  int units = 0;
  for (int i = 0; i < characters && units < text.size(); ++i) {
    units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
  }
  return units;
}

}  // namespace

QLineEdit* LineEditOf(QObject* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit;
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
  return nullptr;
}

ui::TextSelection SelectionOf(const QLineEdit& edit) {
  const QString text = edit.text();
  const int caret = edit.cursorPosition();
  int anchor = caret;
  if (edit.hasSelectedText()) {
    anchor = caret == edit.selectionStart() ? edit.selectionEnd() : edit.selectionStart();
  }
  return {ToCharacters(text, anchor), ToCharacters(text, caret)};
}

void ShowSelection(QLineEdit& edit, ui::TextSelection selection) {
  if (SelectionOf(edit) == selection) return;
  const QString text = edit.text();
  const int anchor = ToUnits(text, selection.anchor), caret = ToUnits(text, selection.caret);
  if (anchor == caret) {
    edit.setCursorPosition(caret);
  } else {
    edit.setSelection(anchor, caret - anchor);  // a negative length leaves the caret at its start
  }
}

}  // namespace gui
