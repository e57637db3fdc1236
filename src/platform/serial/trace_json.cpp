#include "platform/serial/trace_json.h"

#include "platform/clock.h"
#include "platform/text/ansi_codepage.h"

namespace platform {

std::string HexText(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!hex.empty()) hex += ' ';
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xF];
  }
  return hex;
}

JsonObject TraceJson(const TrafficRecord& record) {
  JsonObject line;
  line.AddNumber("t", static_cast<long long>(record.t_us))
      .AddText("time", LocalIsoTime(record.wall_ms))
      .AddNumber("port", record.port);
  switch (record.kind) {
    case TrafficKind::kEvent:
      line.AddText("device", record.device).AddText("event", PortEventName(record.event));
      line.AddText("settings", record.settings);
      if (record.event == PortEvent::kError) line.AddText("error", record.error);
      break;
    case TrafficKind::kBytes:
      line.AddText("dir", DirectionName(record.dir))
          .AddText("text", AnsiToUtf8(record.bytes))
          .AddText("hex", HexText(record.bytes));
      break;
    case TrafficKind::kExchange: {
      const ExchangeSummary& e = record.exchange;
      JsonObject exchange;
      exchange.AddText("address", e.address)
          .AddText("command", e.command)
          .AddText("sent", AnsiToUtf8(e.sent))
          .AddText("received", AnsiToUtf8(e.received))
          .AddText(e.outcome_is_verdict ? "verdict" : "result", e.outcome)
          .AddDecimal("ms", e.ms, 1);
      line.AddObject("exchange", exchange);
      break;
    }
  }
  return line;
}

std::string TraceLine(const TrafficRecord& record) { return TraceJson(record).ToString(); }

}  // namespace platform
