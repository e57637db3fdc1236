#include "platform/file_contents.h"

#include <cstdio>
#include <fstream>

#include "platform/os/file_system.h"

namespace platform {

bool ReadSmallFile(const std::string& path, std::size_t max_bytes, std::string& contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  contents.assign(max_bytes + 1, '\0');
  in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
  contents.resize(static_cast<std::size_t>(in.gcount()));
  return contents.size() <= max_bytes;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
  return os::ReplaceFileWith(path, [&contents](std::FILE* file) {
    return std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  });
}

}  // namespace platform
