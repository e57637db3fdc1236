#include "gui/widget_sync.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <algorithm>

#include "gui/caption_parts.h"
#include "gui/scroll_mapping.h"
#include "gui/shown_text.h"
#include "gui/text_selection.h"

namespace gui {

namespace {

using ui::ControlKind;
using ui::Property;

QString Qt8(const std::string& text) { return QString::fromStdString(text); }

Qt::Alignment ToQtAlignment(ui::Alignment alignment) {
  switch (alignment) {
    case ui::Alignment::kCentre:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case ui::Alignment::kRight:
      return Qt::AlignRight | Qt::AlignVCenter;
    case ui::Alignment::kLeft:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// A list, like a box, is as wide as its widest item, at least eight digits, and never
// narrows: a list emptied for a search and filled by it leaves the window as it was.
void KeepItemsInView(QComboBox& combo) {
  const QFontMetrics metrics(combo.font());
  int text_width = metrics.horizontalAdvance("00000000");
  for (int i = 0; i < combo.count(); ++i) text_width = std::max(text_width, metrics.horizontalAdvance(combo.itemText(i)));
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  const int needed =
      combo.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text_width, metrics.height()), &combo).width();
  if (needed > combo.minimumWidth()) combo.setMinimumWidth(needed);
}

// The items are replaced only when they differ, so a list the user is looking at does not
// flicker when an unrelated property changes.
void ShowList(const ui::Control& control, QComboBox& combo) {
  const QSignalBlocker blocker(combo);
  bool same = combo.count() == control.item_count();
  for (int i = 0; same && i < control.item_count(); ++i)
    same = combo.itemText(i) == Shown(control.item_text(i));
  if (!same) {
    combo.clear();
    for (const ui::ListItem& item : control.items()) combo.addItem(Shown(item.text), item.data);
  }
  for (int i = 0; i < control.item_count(); ++i) {
    const QString tip = Qt8(control.items()[i].tool_tip);
    if (combo.itemData(i, Qt::ToolTipRole).toString() != tip) combo.setItemData(i, tip, Qt::ToolTipRole);
  }
  combo.setCurrentIndex(control.list_index());
  // An editable list may show a typed text that is no item; set after the index, which
  // would otherwise clear it.
  if (combo.isEditable() && combo.currentText() != Shown(control.text()))
    combo.setEditText(Shown(control.text()));
  KeepItemsInView(combo);
}

// A box is as wide as its text, and at least eight digits. It never cuts its text: it
// widens to the widest text it has shown and never narrows again, so that a live value
// changing length does not make the window jump.
void KeepTextInView(QLineEdit& edit) {
  const QFontMetrics metrics(edit.font());
  const QMargins margins = edit.textMargins();
  const int text_width =
      std::max(metrics.horizontalAdvance(edit.text()), metrics.horizontalAdvance("00000000"));
  // The text, the line edit's inner margins and caret, and a blank to spare.
  const QSize text(text_width + metrics.horizontalAdvance(' ') + margins.left() + margins.right() + 5,
                   metrics.height());
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  const int needed = edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &edit).width();
  if (needed > edit.minimumWidth()) edit.setMinimumWidth(needed);
}

// A label that shows changing values (the pressure's unit) keeps the width of the widest
// it has shown, so that a shorter value does not narrow the window again.
void KeepCaptionInView(QLabel& label) {
  const int needed = label.sizeHint().width();
  if (needed > label.minimumWidth()) label.setMinimumWidth(needed);
}

// Shown after the text, which a line edit's setText moves the caret away from.
void ShowCaret(BoundControl& bound) {
  QLineEdit* edit = LineEditOf(bound.widget);
  if (edit == nullptr) return;
  const QSignalBlocker blocker(edit);
  ShowSelection(*edit, bound.control->selection());
}

void ShowScrollBar(const ui::Control& control, QScrollBar& bar) {
  const QSignalBlocker blocker(bar);
  const ScrollMapping mapping(control.min(), control.max());
  bar.setRange(mapping.qt_minimum(), mapping.qt_maximum());
  bar.setSingleStep(control.small_change());
  bar.setPageStep(control.large_change());
  bar.setValue(mapping.ToQt(control.value()));
}

// A text box shows its text as it is (typed, or a transmitter's reply); every other
// control's caption is shown in the window's language.
void ShowText(BoundControl& bound) {
  const ui::Control& control = *bound.control;
  const QString text = control.kind() == ControlKind::kTextBox ? Qt8(control.text()) : Shown(control.text());
  switch (control.kind()) {
    case ControlKind::kTextBox:
      if (auto* edit = qobject_cast<QLineEdit*>(bound.widget); edit != nullptr && edit->text() != text) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
      }
      // In the shown window, measured once the handler that set the text is done: a box
      // filled in two steps (the whole reply, then its value cut out) widens for the
      // value, not for the reply.
      if (auto* edit = qobject_cast<QLineEdit*>(bound.widget); edit != nullptr && !edit->isVisible()) {
        KeepTextInView(*edit);
      } else if (edit != nullptr) {
        QMetaObject::invokeMethod(edit, [edit] { KeepTextInView(*edit); }, Qt::QueuedConnection);
      }
      ShowCaret(bound);
      break;
    case ControlKind::kLabel:
      if (bound.label_pieces.size() > 1) {
        const int pieces = static_cast<int>(bound.label_pieces.size());
        const std::vector<std::string> parts = bound.pieces_are_lines ? SplitLines(control.text(), pieces)
                                                                      : SplitCaption(control.text(), pieces);
        for (std::size_t i = 0; i < parts.size(); ++i) bound.label_pieces[i]->setText(Shown(parts[i]));
      } else if (auto* label = qobject_cast<QLabel*>(bound.widget)) {
        label->setText(text);
        KeepCaptionInView(*label);
      }
      break;
    case ControlKind::kButton:
    case ControlKind::kCheckBox:
    case ControlKind::kOption:
      if (auto* button = qobject_cast<QAbstractButton*>(bound.widget)) button->setText(text);
      break;
    case ControlKind::kFrame:
      if (auto* frame = qobject_cast<QGroupBox*>(bound.widget)) frame->setTitle(text);
      break;
    case ControlKind::kList:
      if (auto* combo = qobject_cast<QComboBox*>(bound.widget)) ShowList(control, *combo);
      ShowCaret(bound);
      break;
    case ControlKind::kMenu:
      if (bound.menu != nullptr) bound.menu->setTitle(text);
      break;
    case ControlKind::kMenuItem:
      if (bound.action != nullptr) {
        // A separator with a text is drawn as a section title: it takes none.
        const bool separator = control.text() == "-";
        bound.action->setSeparator(separator);
        bound.action->setText(separator ? QString() : text);
      }
      break;
    default:
      break;
  }
}

void ShowValue(BoundControl& bound) {
  const ui::Control& control = *bound.control;
  if (auto* button = qobject_cast<QAbstractButton*>(bound.widget)) {
    const QSignalBlocker blocker(button);
    button->setChecked(control.value() != 0);
  } else if (auto* bar = qobject_cast<QScrollBar*>(bound.widget)) {
    ShowScrollBar(control, *bar);
  }
}

void ShowPanels(BoundControl& bound) {
  for (int i = 0; i < ui::kStatusPanelCount; ++i) {
    if (bound.panels[i] != nullptr) bound.panels[i]->setText(Shown(bound.control->panel_text(i + 1)));
  }
}

}  // namespace

void PlaceInGrid(BoundControl& bound) {
  // A label in pieces keeps the cells it was given when the window was built.
  if (bound.container == nullptr || bound.widget == nullptr || !bound.label_pieces.empty()) return;
  const ui::LayoutHint& at = bound.control->layout();
  bound.container->removeWidget(bound.widget);
  // A scroll bar keeps its small size beside its box instead of filling the cell.
  const Qt::Alignment alignment =
      bound.control->kind() == ControlKind::kScrollBar ? Qt::AlignLeft | Qt::AlignVCenter : Qt::Alignment();
  bound.container->addWidget(bound.widget, at.row, at.column, at.row_span, at.column_span, alignment);
}

void ShowProperty(BoundControl& bound, ui::Property property) {
  const ui::Control& control = *bound.control;
  switch (property) {
    case Property::kText:
      ShowText(bound);
      break;
    case Property::kSelection:
      ShowCaret(bound);
      break;
    case Property::kVisible:
      if (bound.action != nullptr) bound.action->setVisible(control.visible());
      for (QWidget* widget : bound.Widgets()) widget->setVisible(control.visible());
      break;
    case Property::kEnabled:
      if (bound.action != nullptr) bound.action->setEnabled(control.enabled());
      for (QWidget* widget : bound.Widgets()) widget->setEnabled(control.enabled());
      break;
    case Property::kToolTip:
      if (bound.action != nullptr) bound.action->setToolTip(Shown(control.tool_tip()));
      for (QWidget* widget : bound.Widgets()) widget->setToolTip(Shown(control.tool_tip()));
      break;
    case Property::kAlignment:
      if (auto* edit = qobject_cast<QLineEdit*>(bound.widget))
        edit->setAlignment(ToQtAlignment(control.alignment()));
      for (QWidget* widget : bound.Widgets()) {
        if (auto* label = qobject_cast<QLabel*>(widget))
          label->setAlignment(ToQtAlignment(control.alignment()));
      }
      break;
    case Property::kReadOnly:
      if (auto* edit = qobject_cast<QLineEdit*>(bound.widget)) {
        edit->setReadOnly(control.read_only());
        // Still clicked into to select and copy, but no tab stop.
        edit->setFocusPolicy(control.read_only() ? Qt::ClickFocus : Qt::StrongFocus);
      }
      break;
    case Property::kLayout:
      PlaceInGrid(bound);
      break;
    case Property::kItems:
    case Property::kListIndex:
      if (auto* combo = qobject_cast<QComboBox*>(bound.widget)) ShowList(control, *combo);
      break;
    case Property::kValue:
    case Property::kRange:
      ShowValue(bound);
      break;
    case Property::kPanels:
      ShowPanels(bound);
      break;
    case Property::kMaxLength:  // the model enforces it: QLineEdit's limit would cut texts set by code
    case Property::kInterval:   // timers belong to the services
      break;
  }
}

void ShowAll(BoundControl& bound) {
  for (const ui::Property property :
       {Property::kText, Property::kToolTip, Property::kAlignment, Property::kReadOnly, Property::kItems,
        Property::kValue, Property::kPanels, Property::kEnabled, Property::kVisible}) {
    ShowProperty(bound, property);
  }
}

}  // namespace gui
