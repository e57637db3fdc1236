#pragma once
// A text file that grows by whole lines: the measurement log, the apply report, the trace.
// Each append goes to the file in one write and is flushed at once, so a crash loses
// nothing already appended. A new file starts with its header; a file whose last line was
// cut short (a crash, an edit by hand) gets its line break first, so a new line never
// sticks to it.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class AppendingFile {
 public:
  // Opens `path` for appending, creating it when it is missing. Null, with `error`
  // ("PATH: reason"), when it cannot be opened or refuses to be written (a full device).
  // `header` (whole lines, or "") goes first when the file is new or empty.
  static std::unique_ptr<AppendingFile> Open(const std::string& path, std::string_view header,
                                             std::string& error);
  ~AppendingFile();
  AppendingFile(const AppendingFile&) = delete;
  AppendingFile& operator=(const AppendingFile&) = delete;

  // Appends `lines` (each ending with its line break) and flushes them; false, with
  // error() saying why, when the file did not take them all.
  bool Append(std::string_view lines);
  // "PATH: reason" of the last failure.
  const std::string& error() const { return error_; }

 private:
  AppendingFile(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}
  // What the file needs before the first line: its header, a line break, or nothing.
  std::string_view Lead(std::string_view header);

  std::FILE* file_;
  std::string path_;
  std::string error_;
};

// Opens `path`, appends `lines` as AppendingFile does and closes it again: for a file
// that gets a line now and then. False, with `error`, when any of it failed.
bool AppendToFile(const std::string& path, std::string_view header, std::string_view lines,
                  std::string& error);

}  // namespace platform
