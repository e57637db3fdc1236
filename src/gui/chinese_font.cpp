#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

#include "gui/qt_window.h"

namespace gui {

namespace {

// Faces with Simplified Chinese glyphs, best first. Left to fontconfig, a caption may mix
// Japanese glyph shapes into Chinese text.
constexpr const char* kChineseFaces[] = {"WenQuanYi Micro Hei", "Noto Sans CJK SC"};
constexpr double kFallbackPointSize = 9.0;

}  // namespace

void UseChineseFont() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
    return;  // no fonts without one
  const QStringList families = QFontDatabase::families();
  for (const char* face : kChineseFaces) {
    if (!families.contains(QString::fromUtf8(face))) continue;
    const double size = QGuiApplication::font().pointSizeF();
    QFont font(QString::fromUtf8(face));
    font.setPointSizeF(size > 0 ? size : kFallbackPointSize);
    QGuiApplication::setFont(font);
    return;
  }
}

}  // namespace gui
