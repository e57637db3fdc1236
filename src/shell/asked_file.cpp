#include "shell/asked_file.h"

#include "platform/os/file_system.h"

namespace shell {

namespace {

constexpr std::string_view kFilesSection = "Files";

}  // namespace

std::optional<std::string> AskForFile(MainWindow& m, ui::FilePurpose purpose, std::string_view key,
                                      std::string_view title, std::string_view filter) {
  const std::string app(kAppTitle);
  const ui::FileChoiceRequest request{purpose, std::string(key), std::string(title), std::string(filter),
                                      m.settings.Get(app, kFilesSection, key)};
  std::optional<std::string> path = m.services().ChooseFile(request);
  if (!path || path->empty()) return std::nullopt;
  // Remembered whole, so a dialog opened from another folder next time still finds it.
  m.settings.Set(app, kFilesSection, key, platform::os::AbsolutePath(*path));
  return path;
}

}  // namespace shell
