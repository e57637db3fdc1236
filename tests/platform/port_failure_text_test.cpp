// The serial layer's own words for a device that cannot be opened.
#include "platform/serial/port_failure_text.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(OpenFailure, TellsTheUserWhatToDoAndNamesTheDevice) {
  // A device the user may not open cannot be made as root (CI), so the causes come by number.
  const std::pair<int, const char*> rows[] = {
      {ENOENT, "端口不存在"},
      {ENXIO, "端口不存在"},
      {EBUSY, "端口已被其他程序占用"},
      {EACCES, "请把当前用户加入 dialout 组（sudo adduser $USER dialout），然后重新登录"},
      {EIO, "无法打开端口"},
      {0, "无法打开端口"},
  };
  for (const auto& [system_error, words] : rows) {
    const platform::PortError failure = platform::OpenFailure("/dev/ttyUSB0", system_error);
    EXPECT_GT(failure.number, 8000) << words;
    EXPECT_NE(failure.description.find(words), std::string::npos) << failure.description;
    EXPECT_NE(failure.description.find("/dev/ttyUSB0"), std::string::npos) << failure.description;
  }
}

}  // namespace
