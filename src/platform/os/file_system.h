#pragma once
// Files and folders as the system keeps them: what the C++ library cannot do (flush a
// file to the disk, make a folder only its user may read) or cannot do without throwing.

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace platform::os {

// Makes `folder` and every folder above it that is missing, each readable by this user
// only. False when one cannot be made.
bool MakePrivateFolders(const std::string& folder);

// Writes a temporary file beside `path` with `fill`, flushes it to the disk, then renames
// it over `path`: a reader sees the old file or the new one, never half of one. False when `fill` returns
// false or any step fails; the old file is then kept, the temporary file removed, and errno tells why.
using FileFiller = std::function<bool(std::FILE* file)>;
bool ReplaceFileWith(const std::string& path, const FileFiller& fill);

// The path `path` leads to, from the root, every link followed; "" when nothing is there.
std::string ResolvedPath(const std::string& path);

// `path` from the root folder, links kept; `path` itself when the current folder is unknown.
std::string AbsolutePath(const std::string& path);

// The paths of what `folder` holds, in name order; none when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder);

// 0 when this user may open `path` for reading and writing, else the system's reason (an
// errno value: EACCES, ENOENT ...).
int ReadWriteRefusal(const std::string& path);

// Writes nothing to `file`: false, with errno telling why, when the file refuses every
// write (a device like /dev/full) and so would refuse whatever comes later.
bool TakesWrites(std::FILE* file);

}  // namespace platform::os
