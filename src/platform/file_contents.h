#pragma once
// Whole files of text that people keep: the settings store and the transmitter settings
// files. Read with a size limit (a file far larger than ours is not ours), written so
// that a failed write never leaves half a file.

#include <cstddef>
#include <string>

namespace platform {

enum class SmallFileRead { kRead, kUnreadable, kTooLarge };

// The file into `contents`; kTooLarge when it holds more than `max_bytes`.
SmallFileRead ReadSmallFile(const std::string& path, std::size_t max_bytes, std::string& contents);

// A temporary file beside `path`, flushed to disk, then renamed over it: a reader sees
// the old file or the new one, never half of one. False (and the old file kept) on failure.
bool WriteFileAtomically(const std::string& path, const std::string& contents);

}  // namespace platform
