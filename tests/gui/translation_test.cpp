// English for everything the two windows can show. The first tests keep the translation
// whole as texts are added: every text of both window models (control tables and the
// handlers' ShownTexts) and every text of the translation files (the Qt layer's tr()
// texts) must have English in the compiled .qm; run scripts/update-translations.sh and
// translate what it lists when one fails. The others check the window shows it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTranslator>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

#include "discovery/bus_search.h"
#include "dravon_core/shown_texts.h"
#include "gui/language.h"
#include "gui/qt_message_box.h"
#include "gui/qt_services.h"
#include "gui/shown_text.h"
#include "gui/window_texts.h"
#include "gui/window_view.h"
#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/text_pattern.h"
#include "shell/main_window.h"
#include "terminal/terminal_messages.h"
#include "terminal/terminal_window.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

struct Program {
  const char* name;
  std::vector<std::string_view> shown_texts;
  std::function<std::vector<std::string>()> window_texts;
};

struct Models {
  platform::SerialPort port{[](int, platform::PortError&) { return nullptr; }, "MSComm"};
  platform::VirtualClock clock;
  platform::MemorySettingsStore store;
  shell::MainWindow dravon{port, clock, store};
  terminal::TerminalWindow pemliq{port, clock};

  std::vector<Program> Programs() {
    return {{"dravon", dravon::ShownTexts(),
             [this] { return WindowTexts(dravon.window(), dravon::ShownTexts()); }},
            {"pemliq", terminal::ShownTexts(),
             [this] { return WindowTexts(pemliq.window(), terminal::ShownTexts()); }}};
  }
};

std::unique_ptr<WindowTranslator> LoadEnglish(const Program& program) {
  auto translator = std::make_unique<WindowTranslator>(program.shown_texts);
  const std::string file = TranslationFile(program.name, kEnglish);
  EXPECT_FALSE(file.empty()) << "no compiled translation of " << program.name;
  EXPECT_TRUE(translator->load(QString::fromStdString(file))) << file;
  return translator;
}

// The slots %1..%9 a text holds.
std::string Slots(const QString& text) {
  std::string numbers;
  for (char n = '1'; n <= '9'; ++n) {
    if (text.contains(QString("%") + n)) numbers += n;
  }
  return numbers;
}

void ExpectEnglish(const QTranslator& translator, const char* context, const std::string& source) {
  const QString english = translator.translate(context, source.c_str());
  EXPECT_FALSE(english.isEmpty()) << context << ": \"" << source << "\" has no English";
  EXPECT_FALSE(NeedsTranslation(english.toStdString()))
      << context << ": \"" << source << "\" -> " << english.toStdString();
  EXPECT_EQ(Slots(english), Slots(QString::fromStdString(source)))
      << "\"" << source << "\" -> " << english.toStdString();
}

TEST(Translation, EveryTextOfBothWindowModelsHasEnglish) {
  Models models;
  for (const Program& program : models.Programs()) {
    SCOPED_TRACE(program.name);
    const std::unique_ptr<WindowTranslator> english = LoadEnglish(program);
    const std::vector<std::string> texts = program.window_texts();
    EXPECT_GT(texts.size(), 30u);
    for (const std::string& text : texts) ExpectEnglish(*english, kWindowContext, text);
  }
}

// A <byte value="xd"/> of a .ts: the value is hexadecimal after an "x", else decimal.
QChar TsByte(QStringView value) {
  return value.startsWith(u'x') ? QChar(value.mid(1).toUInt(nullptr, 16)) : QChar(value.toUInt());
}

// The sources of a .ts file by context.
std::vector<std::pair<std::string, std::string>> TsSources(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<std::pair<std::string, std::string>> sources;
  std::string context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") context = xml.readElementText().toStdString();
    if (xml.name() != u"source") continue;
    QString source;
    while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"source") && !xml.atEnd()) {
      if (xml.isCharacters()) source += xml.text();
      if (xml.isStartElement() && xml.name() == u"byte")
        source += TsByte(xml.attributes().value(QStringLiteral("value")));
    }
    sources.emplace_back(context, source.toStdString());
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return sources;
}

TEST(Translation, EveryTextOfTheTranslationFilesHasCompiledEnglish) {
  Models models;
  for (const Program& program : models.Programs()) {
    SCOPED_TRACE(program.name);
    const std::unique_ptr<WindowTranslator> english = LoadEnglish(program);
    const auto sources = TsSources(QString(TT_TRANSLATIONS_SOURCE_DIR "/%1_en.ts").arg(program.name));
    EXPECT_GT(sources.size(), 30u);
    for (const auto& [context, source] : sources) ExpectEnglish(*english, context.c_str(), source);
  }
}

// Texts built from patterns inside patterns (a settings file's fault at its line, every
// differing setting on a line of its own, a device path) come out whole in English, with
// the file's and the device's parts as they were.
TEST(Translation, NestedAndRepeatedPatternsComeOutWholeWithTheirParts) {
  Models models;
  const std::unique_ptr<WindowTranslator> english = LoadEnglish(models.Programs()[0]);
  const struct {
    std::string shown, english;
  } cases[] = {
      {"参数文件有误，未写入变送器：\n/tmp/a.ini\n第 3 行：未知的键“Foo”",
       "The settings file is faulty; nothing was written to the transmitter:\n/tmp/a.ini\nLine 3: Unknown "
       "key “Foo”"},
      {"校验未通过，未保存到数据区。以下参数与文件不符：\nUnit：期望 2，实际 3\nRangeHigh：期望 100，实际 "
       "99.5",
       "Verification failed; nothing was stored in a data area. These settings differ from the file:"
       "\nUnit: expected 2, got 3\nRangeHigh: expected 100, got 99.5"},
      {"参数已写入，读回校验通过。\n已保存到用户数据区。\n\n报告文件写入失败：/r.csv",
       "Settings written and verified by read-back.\nStored in the user data area.\n\nWriting the report "
       "file failed: /r.csv"},
      {"端口 /dev/ttyUSB0 不支持数据位 4，请选择其他设置。",
       "Port /dev/ttyUSB0 does not support data bits 4; choose other settings."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(english->translate(kWindowContext, c.shown.c_str()).toStdString(), c.english) << c.shown;
}

// Installs a program's English for one test, as the program does at start.
class InEnglish {
 public:
  explicit InEnglish(const Program& program) : translator_(LoadEnglish(program)) {
    QCoreApplication::installTranslator(translator_.get());
  }
  ~InEnglish() { QCoreApplication::removeTranslator(translator_.get()); }
  InEnglish(const InEnglish&) = delete;
  InEnglish& operator=(const InEnglish&) = delete;

 private:
  std::unique_ptr<WindowTranslator> translator_;
};

// Every text a widget of the window shows, menus and tool tips included.
QStringList TextsOnScreen(QMainWindow& main) {
  QStringList texts{main.windowTitle()};
  for (QWidget* widget : main.findChildren<QWidget*>()) {
    texts << widget->toolTip();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) texts << frame->title();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
      texts << combo->currentText();
    }
  }
  for (QAction* action : main.findChildren<QAction*>()) texts << action->text();
  return texts;
}

TEST(Translation, TheWindowsShowOnlyEnglishAndKeepTheNumbers) {
  Models models;
  const std::vector<Program> programs = models.Programs();
  {
    const InEnglish english(programs[0]);
    WindowView view(models.dravon.window());
    ui::Control& status = models.dravon["StatusBar1"];
    status.set_panel_text(1, ui::FillPattern(discovery::kProbingText, {"07"}));
    status.set_panel_text(2, ui::FillPattern(discovery::kFoundText, {"12"}));
    models.dravon["Label3"].set_caption("kPa");
    for (const QString& text : TextsOnScreen(view.main_window()))
      EXPECT_FALSE(NeedsTranslation(text.toStdString())) << text.toStdString();
    const QList<QLabel*> panels = view.main_window().statusBar()->findChildren<QLabel*>();
    ASSERT_GE(panels.size(), 2);
    EXPECT_EQ(panels[0]->text(), "Searching address 07");
    EXPECT_EQ(panels[1]->text(), "Online: 12");
    EXPECT_EQ(qobject_cast<QLabel*>(view.WidgetOf("Label3"))->text(), "kPa");
    EXPECT_EQ(qobject_cast<QComboBox*>(view.WidgetOf("Cmb_DP"))->itemText(1), "000.0");
  }
  const InEnglish english(programs[1]);
  WindowView view(models.pemliq.window());
  for (const QString& text : TextsOnScreen(view.main_window()))
    EXPECT_FALSE(NeedsTranslation(text.toStdString())) << text.toStdString();
}

TEST(Translation, AMessageBoxShowsItsReasonInEnglishAndTheFrameAsSent) {
  Models models;
  const InEnglish english(models.Programs()[1]);
  gui_test::BoxAnswerer answerer(QMessageBox::Cancel);
  AskWithQMessageBox(
      {ui::FillPattern(terminal::kLinkInterruptedText, {terminal::kChecksumErrorText, "$01测试5A\r"}),
       std::string(terminal::kReplyErrorTitle), ui::MessageBoxButtons::kRetryCancel,
       ui::MessageBoxIcon::kWarning},
      nullptr);
  ASSERT_TRUE(answerer.answered);
  EXPECT_EQ(answerer.title, "Error message");
  EXPECT_TRUE(answerer.text.startsWith("Communication broke off.")) << answerer.text.toStdString();
  EXPECT_TRUE(answerer.text.endsWith("Checksum error!\n$01测试5A\n")) << answerer.text.toStdString();
}

TEST(Translation, AFileDialogShowsTheHandlersTitleAndFilterInEnglish) {
  Models models;
  const InEnglish english(models.Programs()[0]);
  ui::Window window{"Probe", "Probe"};
  QtServices services{window};
  QString title;
  QStringList filters;
  QTimer::singleShot(1, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    title = dialog->windowTitle();
    filters = dialog->nameFilters();
    dialog->reject();
  });
  EXPECT_FALSE(
      services.ChooseFile({ui::FilePurpose::kOpen, "profile", "应用参数文件", "参数文件 (*.ini)", ""}));
  EXPECT_EQ(title, "Apply settings file");
  EXPECT_EQ(filters, QStringList{"Settings files (*.ini)"});
}

// Qt's own buttons and file dialogs speak the window's language: a Chinese window's boxes
// say 确定, not OK.
TEST(Translation, QtsOwnDialogsShowTheWindowsLanguage) {
  struct Case {
    std::string_view language;
    const char* ok;
    const char* retry;
    const char* cancel;
    bool look_in_translated;
  };
  const Case cases[] = {{kChinese, "确定", "重试", "取消", true}, {kEnglish, "OK", "Retry", "Cancel", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.language));
    QTranslator* installed = UseQtOwnTranslation(c.language);
    EXPECT_EQ(installed != nullptr, c.language == kChinese);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Retry | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove('&'), QString::fromUtf8(c.ok));
    EXPECT_EQ(box.button(QMessageBox::Retry)->text().remove('&'), QString::fromUtf8(c.retry));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), QString::fromUtf8(c.cancel));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn) != "Look in:", c.look_in_translated)
        << dialog.labelText(QFileDialog::LookIn).toStdString();
    if (installed != nullptr) {
      QCoreApplication::removeTranslator(installed);
      delete installed;
    }
  }
}

TEST(Translation, TheLanguageEntryOffersTheShownLanguageAndStoresTheChoiceForTheNextStart) {
  platform::MemorySettingsStore store;
  const ToolItem item = LanguageMenuItem(store, "Halvora", kEnglish);
  QMainWindow main;
  QString offered;
  QTimer::singleShot(1, [&offered] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    offered = dialog->textValue();
    dialog->setTextValue(QString::fromUtf8("中文"));
    dialog->accept();
  });
  gui_test::BoxAnswerer answerer(QMessageBox::Ok);
  item.open(main);
  EXPECT_EQ(offered, "English");
  EXPECT_EQ(store.Get("Halvora", kLanguageSection, kLanguageKey), kChinese);
  EXPECT_TRUE(answerer.answered) << "the user learns when the choice shows";
}

TEST(Translation, LanguageIsTheRunsOptionThenTheStoredChoiceThenAnEnglishSystemElseChinese) {
  struct Case {
    std::string_view option, stored, locale, chosen;
  };
  const Case cases[] = {
      {"en", "zh", "zh_CN", kEnglish}, {"zh", "en", "en_US", kChinese}, {"", "en", "zh_CN", kEnglish},
      {"", "zh", "en_GB", kChinese},   {"", "", "en_US", kEnglish},     {"", "", "de_DE", kChinese},
      {"", "", "C", kChinese},         {"", "fr", "en_US", kEnglish},   {"", "", "", kChinese},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.option, c.stored, c.locale), c.chosen)
        << "--lang " << c.option << ", stored " << c.stored << ", system " << c.locale;
  }
}

}  // namespace
}  // namespace gui
