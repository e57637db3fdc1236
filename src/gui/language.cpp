#include "gui/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>
#include <iostream>

#include "gui/data_location.h"
#include "gui/shown_text.h"

namespace gui {

namespace {

bool IsLanguage(std::string_view value) { return value == kChinese || value == kEnglish; }

// The languages on offer, each named in itself: a reader looks for the name of their own.
struct Offered {
  std::string_view code;
  const char* name;
};
constexpr Offered kOffered[] = {{kChinese, "中文"}, {kEnglish, "English"}};

}  // namespace

std::string_view ChooseLanguage(std::string_view option, std::string_view stored,
                                std::string_view system_locale) {
  if (IsLanguage(option)) return option == kEnglish ? kEnglish : kChinese;
  if (IsLanguage(stored)) return stored == kEnglish ? kEnglish : kChinese;
  return system_locale.substr(0, 2) == kEnglish ? kEnglish : kChinese;
}

std::string TranslationFile(std::string_view program, std::string_view language) {
  const QString name = QString::fromUtf8(program.data(), static_cast<qsizetype>(program.size())) + "_" +
                       QString::fromUtf8(language.data(), static_cast<qsizetype>(language.size())) + ".qm";
  const QFileInfo file(DataDirectory() + "/translations/" + name);
  return file.isFile() ? file.absoluteFilePath().toStdString() : std::string();
}

std::string_view UseLanguage(std::string_view option, const LanguageSetting& setting) {
  const std::string stored = setting.store.Get(setting.app, kLanguageSection, kLanguageKey, "");
  const std::string_view language = ChooseLanguage(option, stored, QLocale::system().name().toStdString());
  if (language == kChinese) {
    UseQtOwnTranslation(kChinese);
    return kChinese;  // the program's own texts need no translation
  }
  const std::string file = TranslationFile(setting.program, language);
  auto* translator = new WindowTranslator(setting.patterns, QCoreApplication::instance());
  if (file.empty() || !translator->load(QString::fromStdString(file))) {
    std::cerr << setting.program << ": no translation into \"" << language << "\" found; showing Chinese\n";
    delete translator;
    UseQtOwnTranslation(kChinese);
    return kChinese;
  }
  QCoreApplication::installTranslator(translator);
  return language;
}

QTranslator* UseQtOwnTranslation(std::string_view language) {
  if (language != kChinese) return nullptr;  // Qt's own texts are English
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_", folder)) {
    std::cerr << "Qt's own Chinese texts (qtbase_zh_CN.qm) are not in " << folder.toStdString()
              << "; its dialogs show English\n";
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

ToolItem LanguageMenuItem(platform::SettingsStore& store, std::string app, std::string_view shown) {
  ToolItem item;
  item.name = "mnuLanguage";
  item.caption = QT_TRANSLATE_NOOP("gui::ToolMenu", "语言(&L)...");
  item.open = [&store, app = std::move(app), shown = std::string(shown)](QWidget& main_window) {
    QStringList names;
    int current = 0;
    for (const Offered& offered : kOffered) {
      if (offered.code == shown) current = static_cast<int>(names.size());
      names << QString::fromUtf8(offered.name);
    }
    bool chosen = false;
    const QString name = QInputDialog::getItem(
        &main_window, QCoreApplication::translate("gui::LanguageMenu", "语言"),
        QCoreApplication::translate("gui::LanguageMenu", "界面语言："), names, current, false, &chosen);
    if (!chosen) return;
    const auto index = static_cast<std::size_t>(names.indexOf(name));
    if (index >= std::size(kOffered)) return;
    if (!store.Set(app, kLanguageSection, kLanguageKey, kOffered[index].code)) {
      QMessageBox::warning(&main_window, QCoreApplication::translate("gui::LanguageMenu", "语言"),
                           QCoreApplication::translate("gui::LanguageMenu", "无法保存语言设置。"));
      return;
    }
    QMessageBox::information(
        &main_window, QCoreApplication::translate("gui::LanguageMenu", "语言"),
        QCoreApplication::translate("gui::LanguageMenu", "界面语言将在下次启动时生效。"));
  };
  return item;
}

}  // namespace gui
