#pragma once
// Where a program finds its data files (translations, ...): <prefix>/share/dravon beside an
// installed program's <prefix>/bin, worked out from the program's own folder so a moved tree
// (DESTDIR, /opt) still finds them; a program run from the build folder reads the build
// folder's share/dravon instead, so it never picks up an older installed copy.

#include <QString>

namespace gui {

struct DataLayout {
  QString build_dir;         // the build folder (absolute)
  QString build_data_dir;    // its share/dravon
  QString data_from_bindir;  // "../share/dravon": from the installed bin folder to the data
};

// The layout this program was built with (cmake/InstallLayout.cmake).
DataLayout BuiltDataLayout();

// The data folder of a program that lives in `program_dir`.
QString DataDirectoryFor(const QString& program_dir, const DataLayout& layout);

// The data folder of this program (needs a QCoreApplication).
QString DataDirectory();

}  // namespace gui
