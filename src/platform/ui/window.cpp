#include "platform/ui/window.h"

#include <algorithm>
#include <stdexcept>

#include "platform/ui/flag_while.h"

namespace ui {

namespace {

// What a window uses before a front-end attaches its services: nothing is shown and
// no time passes, so building and testing a window needs no front-end at all.
class StandInServices final : public UiServices {
 public:
  MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override {
    return FirstButton(request.buttons);
  }
  void DoEvents() override {}
  void TimerChanged(Control&) override {}
  TimeOfDay Now() override { return TimeOfDay{}; }
};

bool IsNameCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte > ' ' && byte != 0x7F && c != '(' && c != ')';
}

void Reject(const ControlDesign& design, const std::string& why) {
  throw std::invalid_argument("control " + ControlId{design.name, design.index}.ToString() + ": " + why);
}

}  // namespace

Window::Window(std::string name, std::string caption)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      focus_(*this),
      stand_in_services_(std::make_unique<StandInServices>()),
      services_(stand_in_services_.get()) {}

Window::~Window() = default;

void Window::set_caption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  for (std::size_t i = 0; i < observers_.size(); ++i) observers_[i]->OnWindowCaptionChanged(caption_);
}

// ---- The control table

void Window::CheckDesign(const ControlDesign& design) const {
  if (design.name.empty() || !std::all_of(design.name.begin(), design.name.end(), IsNameCharacter)) {
    Reject(design, "a name is one word without blanks or parentheses");
  }
  if (design.index < -1) Reject(design, "an array index is 0 or more");
  if (Find(ControlId{design.name, design.index}) != nullptr) Reject(design, "the name is taken");
  for (const Control& control : controls_) {
    if (control.name() == design.name && (control.index() < 0) != (design.index < 0)) {
      Reject(design, "a name is either one control or a control array, not both");
    }
  }
  if (!design.parent.empty()) {
    const Control* parent = Find(ControlId{design.parent, -1});
    if (parent == nullptr) Reject(design, "its parent " + design.parent + " must be added before it");
    const bool menu_entry = design.kind == ControlKind::kMenuItem || design.kind == ControlKind::kMenu;
    const ControlKind wanted = menu_entry ? ControlKind::kMenu : ControlKind::kFrame;
    if (parent->kind() != wanted)
      Reject(design, "its parent " + design.parent + " must be a " + std::string(KindName(wanted)));
  } else if (design.kind == ControlKind::kMenuItem) {
    Reject(design, "a menu item needs its menu as parent");
  }
  if (design.item_data.size() > design.items.size()) Reject(design, "more item data than items");
  if (design.list_index < -1 || design.list_index >= static_cast<int>(design.items.size())) {
    Reject(design, "the selected index lies outside the items");
  }
  if (design.kind == ControlKind::kCheckBox && design.value != 0 && design.value != 1)
    Reject(design, "value must be 0 or 1");
  if (design.kind == ControlKind::kScrollBar &&
      (design.value < std::min(design.min, design.max) || design.value > std::max(design.min, design.max))) {
    Reject(design, "value lies outside min..max");
  }
  if (design.panels.size() > static_cast<std::size_t>(kStatusPanelCount))
    Reject(design, "a status bar has four panels");
  if (design.max_length < 0 || design.interval < 0 || design.small_change < 0 || design.large_change < 0) {
    Reject(design, "lengths, intervals and steps cannot be negative");
  }
}

Control& Window::Add(const ControlDesign& design) {
  CheckDesign(design);
  Control& control = controls_.emplace_back(*this, design);
  by_name_[control.name()].push_back(&control);
  if (control.kind() == ControlKind::kOption && control.selected()) control.ClearOtherOptionsOfGroup();
  if (control.kind() == ControlKind::kTimer) services().TimerChanged(control);
  return control;
}

Control* Window::Find(const ControlId& id) {
  return const_cast<Control*>(static_cast<const Window&>(*this).Find(id));
}

const Control* Window::Find(const ControlId& id) const {
  const auto named = by_name_.find(id.name);
  if (named == by_name_.end()) return nullptr;
  for (const Control* control : named->second) {
    if (control->index() == id.index) return control;
  }
  return nullptr;
}

Control& Window::At(std::string_view name, int index) {
  Control* control = Find(ControlId{std::string(name), index});
  if (control == nullptr)
    throw std::out_of_range("no control " + ControlId{std::string(name), index}.ToString());
  return *control;
}

bool Window::IsArrayName(std::string_view name) const {
  const auto named = by_name_.find(name);
  return named != by_name_.end() && std::any_of(named->second.begin(), named->second.end(),
                                                [](const Control* c) { return c->index() >= 0; });
}

// ---- Reach. Parents are always added before their children, so these walks end.

const Control* Window::Container(const Control& control) const {
  return control.parent().empty() ? nullptr : Find(ControlId{control.parent(), -1});
}

const Control* Window::HiddenBy(const Control& control) const {
  for (const Control* c = &control; c != nullptr; c = Container(*c)) {
    if (!c->visible()) return c;
  }
  return nullptr;
}

const Control* Window::DisabledBy(const Control& control) const {
  for (const Control* c = &control; c != nullptr; c = Container(*c)) {
    if (!c->enabled()) return c;
  }
  return nullptr;
}

bool Window::IsShown(const Control& control) const { return HiddenBy(control) == nullptr; }

bool Window::IsUsable(const Control& control) const {
  return IsShown(control) && DisabledBy(control) == nullptr;
}

bool Window::CanTakeFocus(const Control& control) const {
  return !closed_ && KindTakesFocus(control.kind()) && IsUsable(control);
}

// ---- Window events

void Window::Load() {
  if (loaded_) return;
  loaded_ = true;
  if (EventHandler handler = on_load_) handler(services());
  if (focused() != nullptr || closed_) return;
  for (Control& control : controls_) {
    if (CanTakeFocus(control)) {
      focus_.MoveTo(control);
      return;
    }
  }
}

void Window::RaiseBackgroundClick() {
  if (EventHandler handler = on_background_click_) handler(services());
}

bool Window::Close() {
  if (closed_) return true;
  if (closing_) return false;  // asked again from inside its own query-unload
  bool cancel = false;
  {
    const FlagWhile closing(closing_);
    if (CancelHandler handler = on_query_unload_) handler(services(), cancel);
  }
  if (cancel) {
    for (std::size_t i = 0; i < observers_.size(); ++i) observers_[i]->OnCloseRefused();
    return false;
  }
  closed_ = true;
  focus_.Drop();
  for (std::size_t i = 0; i < observers_.size(); ++i) observers_[i]->OnWindowClosed();
  return true;
}

// ---- Timers

bool Window::RunTimerTick(Control& timer) {
  if (closed_ || timer.kind() != ControlKind::kTimer || !timer.enabled() || timer.interval() <= 0)
    return false;
  if (tick_running(timer)) return false;
  ticking_timers_.push_back(&timer);
  // Taken off again even when the handler throws, or the timer would never tick again.
  struct Untick {
    std::vector<const Control*>& ticking;
    const Control* timer;
    ~Untick() { ticking.erase(std::find(ticking.begin(), ticking.end(), timer)); }
  } untick{ticking_timers_, &timer};
  timer.RaiseTimer();
  return true;
}

bool Window::tick_running(const Control& timer) const {
  return std::find(ticking_timers_.begin(), ticking_timers_.end(), &timer) != ticking_timers_.end();
}

// ---- Services and observers

void Window::AttachServices(UiServices& services) {
  services_ = &services;
  for (Control& control : controls_) {
    if (control.kind() == ControlKind::kTimer) services.TimerChanged(control);
  }
}

void Window::DetachServices() { services_ = stand_in_services_.get(); }

void Window::AddObserver(WindowObserver& observer) {
  if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end())
    observers_.push_back(&observer);
}

void Window::RemoveObserver(WindowObserver& observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

// Observers may add or remove observers while being told; walking by position never
// touches one that was removed (at worst a neighbour misses this one report).
void Window::NotifyControlChanged(const Control& control, Property property) {
  for (std::size_t i = 0; i < observers_.size(); ++i) observers_[i]->OnControlChanged(control, property);
}

void Window::NotifyFocusChanged() {
  for (std::size_t i = 0; i < observers_.size(); ++i) observers_[i]->OnFocusChanged(focused());
}

}  // namespace ui
