#include "tests/gui/probe_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <algorithm>

namespace gui_test {

using ui::Alignment;
using ui::ControlKind;
using ui::LayoutHint;

ProbeWindow::ProbeWindow() {
  using K = ControlKind;
  ui::Window& w = window;
  // clang-format off
  w.Add({.kind = K::kFrame, .name = "frm", .text = "数据", .layout = LayoutHint{0, 0, 1, 2}});
  w.Add({.kind = K::kLabel, .name = "lbl", .parent = "frm", .text = "名称:", .layout = {0, 0}});
  w.Add({.kind = K::kTextBox, .name = "txt", .parent = "frm", .text = "abc", .tool_tip = "输入",
         .alignment = Alignment::kRight, .max_length = 6, .layout = {0, 1}});
  w.Add({.kind = K::kTextBox, .name = "ro", .parent = "frm", .text = "RO", .read_only = true, .layout = {1, 1}});
  w.Add({.kind = K::kButton, .name = "btn", .text = "发送", .layout = {1, 0}});
  w.Add({.kind = K::kCheckBox, .name = "chk", .text = "相同", .layout = {1, 1}});
  w.Add({.kind = K::kList, .name = "lst", .items = {"kPa", "MPa", "Bar"}, .list_index = 1, .layout = {2, 0}});
  w.Add({.kind = K::kList, .name = "cbo", .editable = true, .items = {"9600", "4800"}, .list_index = 0,
         .layout = {2, 1}});
  w.Add({.kind = K::kFrame, .name = "grp", .text = "模式", .layout = {3, 0}});
  w.Add({.kind = K::kOption, .name = "opt", .index = 0, .parent = "grp", .text = "通用", .layout = {0, 0}});
  w.Add({.kind = K::kOption, .name = "opt", .index = 1, .parent = "grp", .text = "试验", .value = 1,
         .layout = {1, 0}});
  w.Add({.kind = K::kScrollBar, .name = "bar", .min = 5000, .max = -5000, .large_change = 5, .layout = {3, 1}});
  w.Add({.kind = K::kTextBox, .name = "hidden", .text = "h", .visible = false, .layout = {4, 0}});
  w.Add({.kind = K::kTimer, .name = "tmr", .enabled = false, .interval = 1});
  w.Add({.kind = K::kStatusBar, .name = "sb", .panels = {"one", "two"}});
  w.Add({.kind = K::kMenu, .name = "mnu", .text = "选项(&O)"});
  w.Add({.kind = K::kMenuItem, .name = "sep", .parent = "mnu", .text = "-"});
  w.Add({.kind = K::kMenuItem, .name = "quit", .parent = "mnu", .text = "退出(&X)"});
  // clang-format on

  for (const char* name : {"btn", "chk", "lst", "cbo", "quit"}) {
    w.At(name).on_click([this, name](ui::UiServices&) { events.push_back(std::string("click:") + name); });
  }
  for (int i = 0; i < 2; ++i) {
    w.At("opt", i).on_click(
        [this, i](ui::UiServices&) { events.push_back("click:opt" + std::to_string(i)); });
  }
  for (const char* name : {"txt", "cbo", "bar"}) {
    w.At(name).on_change([this, name](ui::UiServices&) { events.push_back(std::string("change:") + name); });
  }
  // '#' never gets into the box; every key is written down.
  w.At("txt").on_key_press([this](ui::UiServices&, int& key) {
    events.push_back("key:txt:" + std::to_string(key));
    if (key == '#') key = 0;
  });
  w.At("txt").on_validate([this](ui::UiServices&, bool& cancel) {
    events.push_back("validate:txt");
    cancel = window.At("txt").text() == refused_text;
  });
}

int ProbeWindow::Count(const std::string& event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

bool ProcessEventsUntil(const std::function<bool()>& done, int rounds) {
  for (int i = 0; i < rounds; ++i) {
    if (done()) return true;
    QTest::qWait(1);  // processes events while it waits
  }
  return done();
}

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton button) : button_(button) {
  QObject::connect(&watch_, &QTimer::timeout, [this] { Look(); });
  watch_.start(1);
}

void BoxAnswerer::Look() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(top);
    if (box == nullptr || !box->isVisible() || box->button(button_) == nullptr) continue;
    watch_.stop();
    answered = true;
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    offered = box->standardButtons();
    width = box->width();
    box->button(button_)->click();
    return;
  }
}

bool ShowActive(QMainWindow& main) {
  main.show();
  main.activateWindow();
  return QTest::qWaitForWindowActive(&main);
}

}  // namespace gui_test
