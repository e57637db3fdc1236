#include "gui/qt_window.h"

#include <QApplication>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>
#include <iostream>

#include "gui/qt_services.h"
#include "gui/window_view.h"

namespace gui {

namespace {

// Long enough after showing for the layout and the first paint to have settled.
constexpr int kSnapshotDelayMs = 300;

constexpr int kStatusFailed = 1;

// Takes the window's services back before they go, whichever way the run ends.
class AttachedServices {
 public:
  AttachedServices(ui::Window& window, QtServices& services) : window_(window) {
    window_.AttachServices(services);
  }
  ~AttachedServices() { window_.DetachServices(); }
  AttachedServices(const AttachedServices&) = delete;
  AttachedServices& operator=(const AttachedServices&) = delete;

 private:
  ui::Window& window_;
};

void TakeSnapshotLater(QMainWindow& main, const std::string& path) {
  QTimer::singleShot(kSnapshotDelayMs, &main, [&main, path] {
    if (main.grab().save(QString::fromStdString(path), "PNG")) {
      QCoreApplication::exit(0);
      return;
    }
    std::cerr << "cannot write the window's picture to " << path << '\n';
    QCoreApplication::exit(kStatusFailed);
  });
}

}  // namespace

int RunQtWindow(ui::Window& window, const RunOptions& options) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    std::cerr << "the window needs a QApplication\n";
    return kStatusFailed;
  }
  UseChineseFont();
  QtServices services(window);
  WindowView view(window);
  services.set_dialog_parent(&view.main_window());
  const AttachedServices attached(window, services);

  window.Load();  // start-up may show message boxes and open the port before the window shows
  if (window.closed()) return 0;
  view.set_on_closed([] { QCoreApplication::exit(0); });
  view.main_window().show();
  if (!options.snapshot.empty()) TakeSnapshotLater(view.main_window(), options.snapshot);
  return QApplication::exec();
}

}  // namespace gui
