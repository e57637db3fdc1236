#include "platform/file_contents.h"

#include <cstdio>
#include <fstream>

#include "platform/os/file_system.h"

namespace platform {

SmallFileRead ReadSmallFile(const std::string& path, std::size_t max_bytes, std::string& contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return SmallFileRead::kUnreadable;
  contents.assign(max_bytes + 1, '\0');
  in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
  if (in.bad()) return SmallFileRead::kUnreadable;  // a folder, an I/O error
  contents.resize(static_cast<std::size_t>(in.gcount()));
  return contents.size() <= max_bytes ? SmallFileRead::kRead : SmallFileRead::kTooLarge;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
  return os::ReplaceFileWith(path, [&contents](std::FILE* file) {
    return std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  });
}

}  // namespace platform
