#pragma once
// A window as data: a name, a caption and a table of controls in creation order, with
// the window-level events (load, background click, query-unload), the keyboard focus,
// the services of the front-end that shows it, and the observers that follow it.
//
// A program builds its window by adding one ControlDesign per control, attaches handlers
// to the controls, and from then on only reads and sets properties. A front-end walks
// controls() to show them, observes changes through a WindowObserver, forwards what the
// user does through UserActions, and delivers timer ticks through RunTimerTick.

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/control_design.h"
#include "platform/ui/control_id.h"
#include "platform/ui/focus.h"
#include "platform/ui/ui_services.h"
#include "platform/ui/window_observer.h"

namespace ui {

class Window {
 public:
  Window(std::string name, std::string caption);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void set_caption(std::string caption);

  // The window's tool bar under the menu, by name; empty for none. It holds nothing and
  // never changes, so scripts have nothing to do with it and it is no control.
  const std::string& tool_bar() const { return tool_bar_; }
  void set_tool_bar(std::string name) { tool_bar_ = std::move(name); }

  // ---- The control table
  // Appends a control. Throws std::invalid_argument for a design that cannot make a
  // control: an empty or malformed name, a name and index already taken, a parent that
  // is not an earlier frame (or menu, for a menu item), items or values out of range.
  Control& Add(const ControlDesign& design);
  // In creation order; references stay valid as controls are added.
  const std::deque<Control>& controls() const { return controls_; }
  std::deque<Control>& controls() { return controls_; }
  Control* Find(const ControlId& id);
  const Control* Find(const ControlId& id) const;
  // For the program's own code, where a missing name is a mistake: throws std::out_of_range.
  Control& At(std::string_view name, int index = -1);
  // True when `name` names the elements of a control array (which need an index).
  bool IsArrayName(std::string_view name) const;

  // ---- What the user can reach: a control is shown when it and every frame (or menu)
  // around it are visible, and usable when they are all enabled as well.
  bool IsShown(const Control& control) const;
  bool IsUsable(const Control& control) const;
  // The control itself or the first container around it that is hidden (or disabled);
  // null when there is none.
  const Control* HiddenBy(const Control& control) const;
  const Control* DisabledBy(const Control& control) const;
  bool CanTakeFocus(const Control& control) const;

  // ---- Window events
  void on_load(EventHandler handler) { on_load_ = std::move(handler); }
  void on_background_click(EventHandler handler) { on_background_click_ = std::move(handler); }
  void on_query_unload(CancelHandler handler) { on_query_unload_ = std::move(handler); }

  // Runs the load handler once, then gives the focus to the first control in creation
  // order that can take it (unless the load handler placed it already).
  void Load();
  bool loaded() const { return loaded_; }
  void RaiseBackgroundClick();
  // The window's close command, from the user or from a handler: the query-unload handler
  // may refuse it. True when the window is closed afterwards.
  bool Close();
  bool closed() const { return closed_; }

  // ---- Focus
  Control* focused() const { return focus_.focused(); }
  // SetFocus from code, with the same validation as a move by the user.
  FocusMove SetFocus(Control& target) { return focus_.MoveTo(target); }

  // ---- Timers: the services call this when a tick falls due. Runs the tick handler
  // unless the window is closed, the timer is disabled or its previous tick is still
  // running (a tick handler letting events run is not re-entered by its own timer).
  // False when no tick ran.
  bool RunTimerTick(Control& timer);
  bool tick_running(const Control& timer) const;

  // ---- Services and observers
  // Until services are attached the window uses stand-ins: message boxes answer with
  // their first button, DoEvents does nothing, timers do not tick.
  void AttachServices(UiServices& services);
  // Back to the stand-ins, before the attached services go away.
  void DetachServices();
  UiServices& services() { return *services_; }
  void AddObserver(WindowObserver& observer);
  void RemoveObserver(WindowObserver& observer);

 private:
  friend class Control;
  friend class FocusTracker;

  void CheckDesign(const ControlDesign& design) const;
  const Control* Container(const Control& control) const;
  void NotifyControlChanged(const Control& control, Property property);
  void NotifyFocusChanged();
  void AvailabilityChanged() { focus_.DropIfOutOfReach(); }

  std::string name_;
  std::string caption_;
  std::string tool_bar_;
  std::deque<Control> controls_;
  // The controls of each name in the order they were added (an array has several):
  // looked up on every handler's and every exchange's access by name. Controls are never
  // removed and the deque keeps them in place, so the pointers stay good.
  std::map<std::string, std::vector<Control*>, std::less<>> by_name_;
  FocusTracker focus_;
  std::unique_ptr<UiServices> stand_in_services_;
  UiServices* services_;
  std::vector<WindowObserver*> observers_;
  std::vector<const Control*> ticking_timers_;
  EventHandler on_load_;
  EventHandler on_background_click_;
  CancelHandler on_query_unload_;
  bool loaded_ = false;
  bool closing_ = false;
  bool closed_ = false;
};

}  // namespace ui
