#include "gui/qt_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include "gui/qt_message_box.h"
#include "gui/shown_text.h"
#include "platform/ui/window.h"

namespace gui {

QtServices::QtServices(ui::Window& window) : window_(window) {}

QtServices::~QtServices() = default;

ui::MessageBoxAnswer QtServices::ShowMessageBox(const ui::MessageBoxRequest& request) {
  if (hook_) return hook_(request);
  return AskWithQMessageBox(request, DialogParent());
}

QWidget* QtServices::DialogParent() const {
  return dialog_parent_ != nullptr && dialog_parent_->isVisible() ? dialog_parent_.data() : nullptr;
}

void QtServices::DoEvents() { QCoreApplication::processEvents(); }

void QtServices::Repaint() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->repaint();
  }
}

void QtServices::TimerChanged(ui::Control& timer) {
  std::unique_ptr<QTimer>& qt_timer = timers_[&timer];
  if (qt_timer == nullptr) {
    qt_timer = std::make_unique<QTimer>();
    ui::Window* window = &window_;
    ui::Control* control = &timer;
    QObject::connect(qt_timer.get(), &QTimer::timeout, qt_timer.get(),
                     [window, control] { window->RunTimerTick(*control); });
  }
  if (timer.enabled() && timer.interval() > 0) {
    qt_timer->start(timer.interval());
  } else {
    qt_timer->stop();
  }
}

ui::TimeOfDay QtServices::Now() {
  const QTime now = QTime::currentTime();
  return ui::TimeOfDay{now.hour(), now.minute(), now.second()};
}

std::optional<std::string> QtServices::ChooseFile(const ui::FileChoiceRequest& request) {
  QWidget* parent = DialogParent();
  // The title and the filter's name are the handler's texts, shown in the window's language.
  const QString title = Shown(request.title);
  const QString start = QString::fromStdString(request.suggested);
  const QString filter = Shown(request.filter);
  QString path;
  switch (request.purpose) {
    case ui::FilePurpose::kOpen:
      path = QFileDialog::getOpenFileName(parent, title, start, filter);
      break;
    case ui::FilePurpose::kSave:
      path = QFileDialog::getSaveFileName(parent, title, start, filter);
      break;
    case ui::FilePurpose::kAppend:  // rows are added to an existing file: nothing to confirm
      path = QFileDialog::getSaveFileName(parent, title, start, filter, nullptr,
                                          QFileDialog::DontConfirmOverwrite);
      break;
  }
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

QTimer* QtServices::TimerOf(const ui::Control& timer) const {
  const auto it = timers_.find(&timer);
  return it == timers_.end() ? nullptr : it->second.get();
}

}  // namespace gui
