#include "check/attach.h"

#include <memory>

namespace check {

CheckRun& AttachCheckHandlers(shell::MainWindow& m) {
  // The run lives as long as the handler that holds it: as long as the window.
  auto run = std::make_shared<CheckRun>(m);
  m["mnuCheck"].on_click([run](ui::UiServices&) { run->Click(); });
  return *run;
}

}  // namespace check
