#include "shell/main_window.h"

namespace shell {

MainWindow::MainWindow(platform::SerialPort& port, platform::Clock& clock_, platform::SettingsStore& store)
    : MSCommBsq(port),
      clock(clock_),
      settings(store),
      window_("Dravon", std::string(kWindowCaption)),
      transaction_(port, clock_) {
  AddMainWindowControls(window_);
  // Without letting events run: the one-thread design holds the user's input meanwhile.
  transaction_.set_on_waiting([this] { window_.services().Repaint(); });
}

std::string MainWindow::SendToSelected(std::string_view mnemonic, std::string_view argument) {
  std::string command(mnemonic);
  command.append(argument);
  return Comm_Send(window_.At("CMB_ADDR").text(), command);
}

ui::MessageBoxAnswer MainWindow::MsgBox(std::string text, std::string title, ui::MessageBoxIcon icon,
                                        ui::MessageBoxButtons buttons) {
  if (title.empty()) title = app_title.empty() ? std::string(kAppTitle) : app_title;
  return services().ShowMessageBox(ui::MessageBoxRequest{std::move(text), std::move(title), buttons, icon});
}

}  // namespace shell
