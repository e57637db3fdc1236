#include "gui/qt_message_box.h"

#include <QPushButton>

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

ui::MessageBoxAnswer AskWithQMessageBox(const ui::MessageBoxRequest& request, QWidget* parent) {
  QMessageBox box(ToQtIcon(request.icon), Shown(request.title), MessageBoxText(request.text),
                  QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  if (request.buttons == ui::MessageBoxButtons::kRetryCancel) {
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Retry:
      return ui::MessageBoxAnswer::kRetry;
    case QMessageBox::Cancel:
      return ui::MessageBoxAnswer::kCancel;
    default:
      break;
  }
  return request.buttons == ui::MessageBoxButtons::kRetryCancel ? ui::MessageBoxAnswer::kCancel
                                                                : ui::MessageBoxAnswer::kOk;
}

}  // namespace gui
