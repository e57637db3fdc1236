#include "gui/qt_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "gui/last_folder.h"
#include "gui/qt_message_box.h"
#include "gui/shown_text.h"
#include "platform/ui/window.h"

namespace gui {

namespace {

// How soon held input or a held close is looked at again while the handler still runs a nested loop
// (a message box it shows after the wait): often enough to feel immediate, rarely
// enough to cost nothing.
constexpr int kHeldCloseRetryMs = 50;

}  // namespace

// Keeps the user's close of the window from reaching it while a wait runs: Qt would
// otherwise drop it for good once a message box opens after the wait.
class QtServices::CloseHolder final : public QObject {
 public:
  explicit CloseHolder(QtServices& services) : services_(services) {}

  bool eventFilter(QObject* /*object*/, QEvent* event) override {
    if (event->type() != QEvent::Close || !services_.in_wait_step_) return false;
    services_.close_held_ = true;
    event->ignore();
    return true;
  }

 private:
  QtServices& services_;
};

// Holds the user's input that reaches any widget while a wait step runs: the window system
// keeps back what it has not yet delivered, but input already posted as an event would
// otherwise run handlers in the middle of the exchange. Held input is posted again, in its
// order, once the wait is over.
class QtServices::InputHolder final : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!IsUserInput(event->type())) return false;
    held_.push_back({receiver, std::unique_ptr<QEvent>(event->clone())});
    return true;
  }

  bool holds() const { return !held_.empty(); }

  void Release() {
    for (Held& held : held_) {
      if (held.receiver != nullptr) QCoreApplication::postEvent(held.receiver, held.event.release());
    }
    held_.clear();
  }

 private:
  struct Held {
    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;
  };

  static bool IsUserInput(QEvent::Type type) {
    switch (type) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::InputMethod:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
        return true;
      default:
        return false;
    }
  }

  std::vector<Held> held_;
};

class QtServices::InHandlerLoop {
 public:
  explicit InHandlerLoop(QtServices& services) : services_(services) { ++services_.handler_loops_; }
  ~InHandlerLoop() { --services_.handler_loops_; }
  InHandlerLoop(const InHandlerLoop&) = delete;
  InHandlerLoop& operator=(const InHandlerLoop&) = delete;

 private:
  QtServices& services_;
};

QtServices::QtServices(ui::Window& window)
    : window_(window),
      close_holder_(std::make_unique<CloseHolder>(*this)),
      input_holder_(std::make_unique<InputHolder>()) {
  after_wait_.setSingleShot(true);
  QObject::connect(&after_wait_, &QTimer::timeout, &after_wait_, [this] { AfterWait(); });
}

QtServices::~QtServices() {
  if (busy_cursor_) QApplication::restoreOverrideCursor();
  if (dialog_parent_ != nullptr) dialog_parent_->removeEventFilter(close_holder_.get());
}

void QtServices::set_dialog_parent(QWidget* parent) {
  if (dialog_parent_ != nullptr) dialog_parent_->removeEventFilter(close_holder_.get());
  dialog_parent_ = parent;
  if (parent != nullptr) parent->installEventFilter(close_holder_.get());
}

ui::MessageBoxAnswer QtServices::ShowMessageBox(const ui::MessageBoxRequest& request) {
  if (hook_) return hook_(request);
  const InHandlerLoop in_loop(*this);
  return AskWithQMessageBox(request, DialogParent());
}

QWidget* QtServices::DialogParent() const {
  return dialog_parent_ != nullptr && dialog_parent_->isVisible() ? dialog_parent_.data() : nullptr;
}

void QtServices::DoEvents() {
  const InHandlerLoop in_loop(*this);
  QCoreApplication::processEvents();
}

void QtServices::Repaint() {
  if (in_wait_step_) return;
  if (!busy_cursor_) {
    busy_cursor_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  in_wait_step_ = true;
  QCoreApplication::instance()->installEventFilter(input_holder_.get());
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QCoreApplication::instance()->removeEventFilter(input_holder_.get());
  in_wait_step_ = false;
  // Fires at the next event processing outside a wait step: the handler is over, or it
  // shows a message box, lets events run, or waits again (which starts this anew).
  after_wait_.start(0);
}

void QtServices::AfterWait() {
  if (in_wait_step_) {
    after_wait_.start(0);
    return;
  }
  if (busy_cursor_) {
    busy_cursor_ = false;
    QApplication::restoreOverrideCursor();
  }
  if (!close_held_ && !input_holder_->holds()) return;
  // The handler goes on after its wait (a message box, say): held input and the close wait
  // for its end, or they would reach the window from under its box.
  if (handler_loops_ > 0) {
    after_wait_.start(kHeldCloseRetryMs);
    return;
  }
  input_holder_->Release();
  if (!close_held_) return;
  close_held_ = false;
  if (!window_.closed()) window_.Close();
}

void QtServices::TimerChanged(ui::Control& timer) {
  std::unique_ptr<QTimer>& qt_timer = timers_[&timer];
  if (qt_timer == nullptr) {
    qt_timer = std::make_unique<QTimer>();
    ui::Window* window = &window_;
    ui::Control* control = &timer;
    // A tick falling due during a wait is skipped: no handler runs then.
    QObject::connect(qt_timer.get(), &QTimer::timeout, qt_timer.get(), [this, window, control] {
      if (!in_wait_step_) window->RunTimerTick(*control);
    });
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
  if (const auto given = files_.find(request.key); given != files_.end()) return given->second;
  QWidget* parent = DialogParent();
  const InHandlerLoop in_loop(*this);
  // The title and the filter's name are the handler's texts, shown in the window's language.
  const QString title = Shown(request.title);
  const QString start = DialogStart(QString::fromStdString(request.suggested));
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
  NoteChosenFile(path);
  return path.toStdString();
}

QTimer* QtServices::TimerOf(const ui::Control& timer) const {
  const auto it = timers_.find(&timer);
  return it == timers_.end() ? nullptr : it->second.get();
}

}  // namespace gui
