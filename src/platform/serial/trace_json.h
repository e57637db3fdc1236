#pragma once
// A traffic record as one line of a trace file (JSON Lines). Bytes appear twice: as
// text, decoded from the wire's code page (GBK) with control characters escaped as JSON
// does, and as hex ("24 30 31 ..."), which gives every byte back exactly.

#include <string>
#include <string_view>

#include "platform/serial/traffic_record.h"
#include "platform/text/json_writer.h"

namespace platform {

// "24 30 31": two upper-case digits a byte, one blank between.
std::string HexText(std::string_view bytes);

JsonObject TraceJson(const TrafficRecord& record);

// The record's line, without the line break.
std::string TraceLine(const TrafficRecord& record);

}  // namespace platform
