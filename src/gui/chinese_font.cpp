#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

#include "gui/qt_window.h"

namespace gui {

namespace {

// Faces with Simplified Chinese glyphs, best first. Left to fontconfig, a caption may mix
// Japanese glyph shapes into Chinese text.
constexpr const char* kChineseFaces[] = {"WenQuanYi Micro Hei", "Noto Sans CJK SC"};
// Asked before the Chinese face: Latin text and symbols come from here, Chinese text falls
// through to the Chinese face. WenQuanYi maps "℃" to an empty glyph, so a fall-back behind
// it would never be asked for that character.
constexpr const char* kWesternFaces[] = {"DejaVu Sans"};
constexpr double kFallbackPointSize = 9.0;

}  // namespace

void UseChineseFont() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
    return;  // no fonts without one
  const QStringList installed = QFontDatabase::families();
  const auto first_installed = [&installed](const auto& faces) {
    for (const char* face : faces) {
      if (installed.contains(QString::fromUtf8(face))) return QString::fromUtf8(face);
    }
    return QString();
  };
  const QString chinese = first_installed(kChineseFaces);
  if (chinese.isEmpty()) return;
  QStringList families{chinese};
  if (const QString western = first_installed(kWesternFaces); !western.isEmpty()) families.prepend(western);
  const double size = QGuiApplication::font().pointSizeF();
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(size > 0 ? size : kFallbackPointSize);
  QGuiApplication::setFont(font);
}

}  // namespace gui
