// Dravon's own control table in the real window: every control it shows is there with its
// caption, text, items and state.
#include <gtest/gtest.h>

#include <functional>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTranslator>
#include <map>

#include "gui/language.h"
#include "gui/port_mapping_dialog.h"
#include "gui/tool_menu.h"
#include "gui/traffic_monitor.h"
#include "gui/window_view.h"
#include "platform/clock.h"
#include "platform/serial/port_map.h"
#include "platform/serial/serial_port.h"
#include "platform/serial/traffic_log.h"
#include "platform/settings/settings_store.h"
#include "shell/main_window.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

// The text a widget shows for its control's caption or text.
QString ShownText(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
  return {};
}

class DravonWindowTest : public testing::Test {
 protected:
  platform::SerialPort port{[](int, platform::PortError& error) -> std::unique_ptr<platform::SerialDevice> {
                              error = {platform::kErrDeviceUnavailable, "端口不存在", ""};
                              return nullptr;
                            },
                            "MSCommBsq"};
  platform::VirtualClock clock;
  platform::MemorySettingsStore store;
  shell::MainWindow dravon{port, clock, store};
  ui::Window& window = dravon.window();
  WindowView view{window};
};

TEST_F(DravonWindowTest, EveryControlOfTheTableHasItsWidgetCaptionAndState) {
  view.main_window().show();
  int checked = 0;
  for (const ui::Control& control : window.controls()) {
    SCOPED_TRACE(control.display_name());
    switch (control.kind()) {
      case ui::ControlKind::kTimer:
        EXPECT_EQ(view.WidgetOf(control.name()), nullptr);
        continue;
      case ui::ControlKind::kMenu:
      case ui::ControlKind::kMenuItem: {
        QAction* action = view.ActionOf(control.name());
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isSeparator(), control.caption() == "-");
        // A separator drawn as a line, not as a section titled "-".
        EXPECT_EQ(action->text().toStdString(), action->isSeparator() ? "" : control.caption());
        continue;
      }
      case ui::ControlKind::kStatusBar:
        EXPECT_EQ(view.WidgetOf(control.name()), view.main_window().statusBar());
        continue;
      default:
        break;
    }
    QWidget* widget = view.WidgetOf(control.name(), control.index());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->isVisibleTo(&view.main_window()), window.IsShown(control));
    EXPECT_EQ(widget->isEnabled(), window.DisabledBy(control) == nullptr);
    EXPECT_EQ(widget->toolTip().toStdString(), control.tool_tip());
    if (control.kind() != ui::ControlKind::kScrollBar) {
      EXPECT_EQ(ShownText(widget).toStdString(), control.text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      ASSERT_EQ(combo->count(), control.item_count());
      for (int i = 0; i < combo->count(); ++i)
        EXPECT_EQ(combo->itemText(i).toStdString(), control.item_text(i));
    }
    ++checked;
  }
  EXPECT_GT(checked, 80);
  const auto* tool_bar = view.main_window().findChild<QToolBar*>("Toolbar1");
  ASSERT_NE(tool_bar, nullptr);
  EXPECT_TRUE(tool_bar->actions().isEmpty());
  EXPECT_EQ(view.main_window().windowTitle().toStdString(), shell::kWindowCaption);
}

TEST_F(DravonWindowTest, TheWindowKeepsItsDesignedSizeAndNoBoxCutsItsText) {
  window.At("TXT_PRESSURE").set_text("+0037.5");
  window.At("txtReturn").set_text("01RP0+0012.345678 kPa, a long reply");
  ASSERT_TRUE(gui_test::ShowActive(view.main_window()));
  view.main_window().resize(200, 150);
  QCoreApplication::processEvents();
  EXPECT_EQ(view.main_window().minimumSize(), view.main_window().maximumSize());
  EXPECT_GT(view.main_window().width(), 200);
  for (const QLineEdit* edit : view.main_window().findChildren<QLineEdit*>()) {
    if (!edit->isVisible()) continue;
    SCOPED_TRACE(edit->objectName().toStdString());
    EXPECT_GE(edit->contentsRect().width(), edit->fontMetrics().horizontalAdvance(edit->text()));
  }
}

// What a search, a read and a poll do to the window's texts; none may move its frames.
TEST_F(DravonWindowTest, ValuesFillingInLeaveTheWindowsSizeAsItWas) {
  ASSERT_TRUE(gui_test::ShowActive(view.main_window()));
  QCoreApplication::processEvents();
  const QSize designed = view.main_window().size();
  const std::function<void()> steps[] = {
      [&] {  // the search fills the address list, the next one empties it
        for (const char* address : {"01", "05", "12"}) window.At("CMB_ADDR").add_item(address);
        window.At("CMB_BAND").set_list_index(3);
      },
      [&] { window.At("CMB_ADDR").clear_items(); },
      [&] {  // a box filled with the whole reply, then with the value cut out of it
        for (const char* box : {"TXT_DAL", "TXT_DAH", "TXT_DAZF", "TXT_SCZ"}) {
          window.At(box).set_text("*01+0300.000 12345678\r");
          window.At(box).set_text("+300.0");
        }
      },
      [&] { window.At("Label3").set_text("kPa"); },  // the unit beside the pressure
      [&] { window.At("StatusBar1").set_panel_text(1, std::string(300, 'x')); },
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    steps[i]();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(view.main_window().size(), designed);
  }
}

TEST_F(DravonWindowTest, TheFixedSizeWindowOffersNoMaximiseButton) {
  const Qt::WindowFlags flags = view.main_window().windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
}

// Within one menu each entry has its own accelerator letter (the "M" of "(&M)"), with the
// front-end's tool entries the program adds to its 选项 menu, in Chinese and in English.
TEST_F(DravonWindowTest, EveryEntryOfAMenuHasItsOwnAccelerator) {
  platform::PortMap map{&store, "Halvora"};
  ToolMenu tools;
  tools.menu = "Option";
  tools.before = "space1";
  tools.items = {LanguageMenuItem(store, "Halvora", kChinese),
                 TrafficMonitorTool([]() -> platform::TrafficLog& {
                   static platform::TrafficLog log;
                   return log;
                 }),
                 PortMappingTool({.map = &map, .port_names = {}, .find_devices = {}, .on_remapped = {}}),
                 {"mnuChart", QT_TRANSLATE_NOOP("gui::ToolMenu", "测量曲线(&C)"), nullptr}};
  AddToolMenu(view, tools);
  QTranslator english;
  ASSERT_TRUE(english.load(QString::fromStdString(TranslationFile("dravon", kEnglish))));
  for (const bool in_english : {false, true}) {
    SCOPED_TRACE(in_english ? "English" : "Chinese");
    int entries = 0;
    for (const QMenu* menu : view.main_window().menuBar()->findChildren<QMenu*>()) {
      std::map<QChar, QString> taken;
      for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        QString text = action->text();
        if (in_english) {
          const QString translated = english.translate("gui::ToolMenu", text.toUtf8().constData());
          const QString of_window = english.translate("Window", text.toUtf8().constData());
          text = !translated.isEmpty() ? translated : !of_window.isEmpty() ? of_window : text;
        }
        const qsizetype amp = text.indexOf('&');
        ASSERT_GE(amp, 0) << text.toStdString() << " has no accelerator";
        const QChar letter = text.at(amp + 1).toUpper();
        ++entries;
        EXPECT_TRUE(taken.emplace(letter, text).second)
            << text.toStdString() << " and " << taken[letter].toStdString() << " share "
            << QString(letter).toStdString();
      }
    }
    EXPECT_GE(entries, 7) << "the 选项 menu's own three entries and the four tool entries";
  }
}

TEST_F(DravonWindowTest, TabFollowsTheFramesAsTheyAreReadAndPassesReadOnlyBoxesBy) {
  window.Load();
  ASSERT_TRUE(gui_test::ShowActive(view.main_window()));
  ASSERT_EQ(window.focused(), &window.At("cmbCommPort"));
  std::vector<std::string> reached;
  for (int i = 0; i < 60 && (reached.empty() || reached.back() != "cmbCommPort"); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reached.push_back(window.focused()->display_name());
  }
  const std::vector<std::string> reading_order = {
      "CMB_ADDR",      "cmdSEARCH",   "TXT_ADDR",   "CMB_BAND",       "COM_ADDR",   "txtType",
      "txtID",         "cmdON_OFF",   "COM_SC",     "cmdReFresh",     "cmbUnit",    "Cmb_DP",
      "cmdSCALE_Read", "TXT_DPL",     "TXT_DPH",    "cmdSCALE_Write", "COM_QUIT",   "txtPass",
      "CMD_USER",      "CMD_LD",      "TXT_DAL",    "VScroll1",       "cmdDA_Read", "TXT_DAH",
      "VScroll2",      "cmdDA_Write", "txtInsSend", "Cmd_INS",        "txtReturn",  "cmbCommPort"};
  EXPECT_EQ(reached, reading_order);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(window.focused(), &window.At("txtReturn"));
}

}  // namespace
}  // namespace gui
