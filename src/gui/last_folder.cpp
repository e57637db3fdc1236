#include "gui/last_folder.h"

#include <QDir>
#include <QFileInfo>

namespace gui {

namespace {

struct Memory {
  QString folder;
  platform::SettingsStore* store = nullptr;
  std::string app;
};

Memory& TheMemory() {
  static Memory memory;
  return memory;
}

}  // namespace

void KeepLastFolderIn(platform::SettingsStore& store, std::string app) {
  Memory& memory = TheMemory();
  memory.store = &store;
  memory.app = std::move(app);
  memory.folder =
      QString::fromStdString(store.Get(memory.app, kLastFolderSection, kLastFolderKey, std::string()));
}

QString DialogStart(const QString& suggested) {
  const QString& folder = TheMemory().folder;
  if (folder.isEmpty() || QFileInfo(suggested).isAbsolute()) return suggested;
  return suggested.isEmpty() ? folder : QDir(folder).filePath(suggested);
}

void NoteChosenFile(const QString& path) {
  if (path.isEmpty()) return;
  Memory& memory = TheMemory();
  memory.folder = QFileInfo(path).absolutePath();
  // A store that cannot be written only costs the next run its start folder.
  if (memory.store != nullptr)
    memory.store->Set(memory.app, kLastFolderSection, kLastFolderKey, memory.folder.toStdString());
}

}  // namespace gui
