#include "gui/qt_window.h"

#include <QApplication>
#include <QMainWindow>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <iostream>
#include <string>
#include <vector>

#include "gui/qt_services.h"
#include "gui/snapshot_steps.h"
#include "gui/window_view.h"

namespace gui {

namespace {

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

// The program's window alone, or the whole screen when a tool window stands beside it.
QPixmap Picture(QMainWindow& main, bool whole_screen) {
  if (!whole_screen || main.screen() == nullptr) return main.grab();
  return main.screen()->grabWindow(0);
}

// Long enough after showing for the layout and the first paint to have settled.
constexpr int kSnapshotDelayMs = 300;

void TakeSnapshotLater(QMainWindow& main, const std::string& path, bool whole_screen) {
  QTimer::singleShot(kSnapshotDelayMs, &main, [&main, path, whole_screen] {
    if (Picture(main, whole_screen).save(QString::fromStdString(path), "PNG")) {
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
  std::vector<ui::headless::Command> steps;
  if (std::string error; !ReadSnapshotSteps(options.snapshot_after, steps, error)) {
    std::cerr << "--snapshot-after: " << error << '\n';
    return kStatusFailed;
  }
  if (!steps.empty() && options.snapshot.empty()) {
    std::cerr << "--snapshot-after comes with --snapshot\n";
    return kStatusFailed;
  }
  UseChineseFont();
  QtServices services(window);
  WindowView view(window);
  services.set_dialog_parent(&view.main_window());
  AddToolMenu(view, options.tools);
  const AttachedServices attached(window, services);

  window.Load();  // start-up may show message boxes and open the port before the window shows
  if (window.closed()) return 0;
  view.set_on_closed([] { QCoreApplication::exit(0); });
  view.main_window().show();
  for (const auto& [key, path] : options.files) services.set_file(key, path);
  // Opened from the event loop: an entry that runs a long job (the station) then runs
  // inside it, and a picture taken meanwhile ends the job's boxes and the program alike.
  if (!options.open_tool.empty())
    QTimer::singleShot(0, &view.main_window(), [&view, name = options.open_tool] {
      if (!OpenTool(view, name)) std::cerr << "no tool window named " << name << '\n';
    });
  if (!options.snapshot.empty()) {
    QMainWindow& main = view.main_window();
    RunSnapshotSteps(
        window, std::move(steps),
        [&main, path = options.snapshot, whole_screen = !options.open_tool.empty()] {
          TakeSnapshotLater(main, path, whole_screen);
        },
        [](const std::string& why) {
          std::cerr << "--snapshot-after: " << why << '\n';
          QCoreApplication::exit(kStatusFailed);
        });
  }
  return QApplication::exec();
}

}  // namespace gui
