#pragma once
// The programs hold text as UTF-8; the wire carries the ANSI code page of the Chinese
// desktop the tools come from, GBK (CP936): ASCII as one byte, a Chinese character as two.

#include <string>
#include <string_view>

namespace platform {

// UTF-8 to GBK. A character GBK cannot hold, or a malformed UTF-8 sequence, becomes "?".
std::string Utf8ToAnsi(std::string_view utf8);

// GBK to UTF-8. A byte sequence that is not GBK becomes U+FFFD, so a noisy reply can
// always be shown.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace platform
