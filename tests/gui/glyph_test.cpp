// Every character either program can show is drawn by the fonts the real window chooses:
// none falls on a face without a glyph for it, or with only an empty one.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "gui/qt_window.h"

namespace gui {
namespace {

// The programs' own texts are the string literals of the sources: captions, items, tool
// tips, status texts and messages alike. ASCII is checked whole.
std::set<char32_t> CharactersOfTheProgramsTexts() {
  std::set<char32_t> characters;
  for (char32_t c = 0x21; c < 0x7F; ++c) characters.insert(c);
  const std::regex literal(R"("(?:[^"\\\n]|\\.)*")");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(TT_SOURCE_DIR)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    std::ifstream file(entry.path());
    std::stringstream source;
    source << file.rdbuf();
    const std::string text = source.str();
    for (auto it = std::sregex_iterator(text.begin(), text.end(), literal); it != std::sregex_iterator();
         ++it) {
      for (const char32_t c : QString::fromStdString(it->str()).toUcs4()) {
        if (c >= 0x80) characters.insert(c);
      }
    }
  }
  return characters;
}

// The characters that `font` leaves blank or draws as the missing-glyph box.
QString UndrawnCharacters(const QFont& font, const std::set<char32_t>& characters) {
  QString undrawn;
  for (const char32_t c : characters) {
    const QString text = QString::fromUcs4(&c, 1);
    if (text.at(0).isSpace()) continue;
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0, blank = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
      for (const quint32 glyph : run.glyphIndexes()) {
        ++glyphs;
        if (glyph == 0 || run.rawFont().pathForGlyph(glyph).isEmpty()) ++blank;
      }
    }
    if (glyphs == 0 || blank > 0) undrawn += text;
  }
  return undrawn;
}

TEST(GlyphTest, TheChosenFontsDrawEveryCharacterOfBothPrograms) {
  const std::set<char32_t> characters = CharactersOfTheProgramsTexts();
  ASSERT_TRUE(characters.count(U'℃') == 1 && characters.count(U'搜') == 1) << "the texts were found";
  const QFont before = QGuiApplication::font();
  UseChineseFont();
  const QFont chosen = QGuiApplication::font();
  QGuiApplication::setFont(before);
  EXPECT_EQ(UndrawnCharacters(chosen, characters).toStdString(), "");

  // The fault this guards against: WenQuanYi alone leaves the temperature unit blank.
  if (QFontDatabase::families().contains("WenQuanYi Micro Hei")) {
    QFont chinese_only;
    chinese_only.setFamilies({"WenQuanYi Micro Hei"});
    EXPECT_TRUE(UndrawnCharacters(chinese_only, characters).contains(QString::fromUtf8("℃")));
  }
}

}  // namespace
}  // namespace gui
