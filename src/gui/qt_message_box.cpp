#include "gui/qt_message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

#include "gui/shown_text.h"

namespace gui {

QString MessageBoxText(const std::string& text) {
  // Translated whole first: a text's pattern may hold its carriage return.
  QString shown = Shown(text);
  shown.replace("\r\n", "\n");
  shown.replace('\r', '\n');
  return shown;
}

QMessageBox::Icon ToQtIcon(ui::MessageBoxIcon icon) {
  switch (icon) {
    case ui::MessageBoxIcon::kExclamation:
    case ui::MessageBoxIcon::kWarning:
      return QMessageBox::Warning;
    case ui::MessageBoxIcon::kInformation:
      return QMessageBox::Information;
    case ui::MessageBoxIcon::kCritical:
      return QMessageBox::Critical;
    case ui::MessageBoxIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

int TitleBarWidth(const QString& title) {
  // Icon, minimise, maximise and close at about 32 px each, and the bar's margins.
  constexpr int kWindowManagerRoom = 4 * 32 + 32;
  QFont font = QApplication::font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  return QFontMetrics(font).horizontalAdvance(title) + kWindowManagerRoom;
}

ui::MessageBoxAnswer AskWithQMessageBox(const ui::MessageBoxRequest& request, QWidget* parent) {
  QMessageBox box(ToQtIcon(request.icon), Shown(request.title), MessageBoxText(request.text),
                  QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  // QMessageBox sizes itself to its text and takes no minimum width: a spacer across its
  // grid keeps the box as wide as its title needs.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(TitleBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  switch (request.buttons) {
    case ui::MessageBoxButtons::kRetryCancel:
      box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Retry);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case ui::MessageBoxButtons::kOkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case ui::MessageBoxButtons::kOk:
      box.setStandardButtons(QMessageBox::Ok);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Retry:
      return ui::MessageBoxAnswer::kRetry;
    case QMessageBox::Cancel:
      return ui::MessageBoxAnswer::kCancel;
    case QMessageBox::Ok:
      return ui::MessageBoxAnswer::kOk;
    default:
      break;
  }
  // Closed without a button: the box's way out, which never goes on with an action.
  return request.buttons == ui::MessageBoxButtons::kOk ? ui::MessageBoxAnswer::kOk
                                                       : ui::MessageBoxAnswer::kCancel;
}

}  // namespace gui
