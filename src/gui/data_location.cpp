#include "gui/data_location.h"

#include <QCoreApplication>
#include <QDir>

namespace gui {

DataLayout BuiltDataLayout() {
  return DataLayout{QStringLiteral(TT_BUILD_DIR), QStringLiteral(TT_BUILD_DATADIR),
                    QStringLiteral(TT_DATADIR_FROM_BINDIR)};
}

QString DataDirectoryFor(const QString& program_dir, const DataLayout& layout) {
  const QString dir = QDir::cleanPath(program_dir);
  if (dir.startsWith(QDir::cleanPath(layout.build_dir) + QLatin1Char('/'))) return layout.build_data_dir;
  return QDir::cleanPath(dir + QLatin1Char('/') + layout.data_from_bindir);
}

QString DataDirectory() {
  return DataDirectoryFor(QCoreApplication::applicationDirPath(), BuiltDataLayout());
}

}  // namespace gui
