#include "gui/window_view.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <string>

#include "gui/input_filter.h"
#include "gui/shown_text.h"
#include "gui/signal_binding.h"
#include "gui/widget_factory.h"
#include "gui/widget_sync.h"

namespace gui {

// Counts rather than flags: showing the model can nest (a focus move while a property is
// shown), and the outer scope must stay guarded after the inner one ends.
class WindowView::ShowingModel {
 public:
  explicit ShowingModel(WindowView& view) : view_(view) { ++view_.showing_model_; }
  ~ShowingModel() { --view_.showing_model_; }
  ShowingModel(const ShowingModel&) = delete;
  ShowingModel& operator=(const ShowingModel&) = delete;

 private:
  WindowView& view_;
};

WindowView::WindowView(ui::Window& window)
    : window_(window), actions_(window), main_(std::make_unique<QMainWindow>()) {
  const ShowingModel showing(*this);
  main_->setObjectName(QString::fromStdString(window.name()));
  main_->setWindowTitle(Shown(window.caption()));
  BuildWidgets(window, *main_, table_);
  // A tool window of its designed size: extra space would only scatter the frames and
  // stretch the buttons, and less would cut texts. It follows what it shows (a frame
  // shown, a longer text) and cannot be shrunk or maximised by hand.
  main_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Nothing to maximise, then: the title bar offers no such button.
  main_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  filter_ = std::make_unique<InputFilter>(*this);
  main_->installEventFilter(filter_.get());
  main_->centralWidget()->installEventFilter(filter_.get());
  for (BoundControl& bound : table_.all()) {
    ConnectUserSignals(*this, bound);
    for (QWidget* widget : bound.Widgets()) widget->installEventFilter(filter_.get());
    if (auto* combo = qobject_cast<QComboBox*>(bound.widget);
        combo != nullptr && combo->lineEdit() != nullptr) {
      combo->lineEdit()->installEventFilter(filter_.get());
    }
  }
  window_.AddObserver(*this);
  ShowModelFocus();
}

WindowView::~WindowView() {
  window_.RemoveObserver(*this);
  // Whatever the widgets report while they are torn down is not the user's.
  ++showing_model_;
  filter_.reset();
  main_.reset();
}

BoundControl* WindowView::Bound(std::string_view name, int index) {
  const ui::Control* control = window_.Find(ui::ControlId{std::string(name), index});
  return control == nullptr ? nullptr : table_.Find(*control);
}

QWidget* WindowView::WidgetOf(std::string_view name, int index) {
  const BoundControl* bound = Bound(name, index);
  return bound == nullptr ? nullptr : bound->widget;
}

QAction* WindowView::ActionOf(std::string_view name, int index) {
  const BoundControl* bound = Bound(name, index);
  return bound == nullptr ? nullptr : bound->action;
}

void WindowView::Settle(BoundControl& bound) {
  const ShowingModel showing(*this);
  ShowAll(bound);
  ShowModelFocus();
}

void WindowView::ShowModelFocus() {
  const ShowingModel showing(*this);
  const ui::Control* focused = window_.focused();
  const BoundControl* bound = focused == nullptr ? nullptr : table_.Find(*focused);
  if (bound != nullptr && bound->widget != nullptr) {
    bound->widget->setFocus(Qt::OtherFocusReason);
  } else if (QWidget* holder = main_->focusWidget()) {
    holder->clearFocus();
  }
}

void WindowView::OnControlChanged(const ui::Control& control, ui::Property property) {
  BoundControl* bound = table_.Find(control);
  if (bound == nullptr) return;  // added after the window was built: the view shows the table it was given
  const ShowingModel showing(*this);
  ShowProperty(*bound, property);
}

void WindowView::OnWindowCaptionChanged(const std::string& caption) { main_->setWindowTitle(Shown(caption)); }

void WindowView::OnFocusChanged(const ui::Control* /*focused*/) { ShowModelFocus(); }

void WindowView::OnWindowClosed() {
  {
    const ShowingModel showing(*this);
    main_->close();
  }
  if (on_closed_) on_closed_();
}

}  // namespace gui
