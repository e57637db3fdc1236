#pragma once
// A traffic record as the monitor shows it to a technician: the time of day with
// milliseconds, an arrow for the direction, the bytes as text with the carriage return
// made visible (⏎), their hex, and for an exchange one line with its result and round
// trip time.

#include <QString>

#include "platform/serial/traffic_record.h"

namespace gui {

struct TrafficRow {
  QString date;       // "2026-12-09": the saved text has it, the monitor's rows need not
  QString time;       // "10:03:04.123"
  QString direction;  // → sent, ← received, ⇄ an exchange, • a port event
  QString content;
  QString hex;  // bytes only ("24 30 31"); an exchange shows what was sent and received
};

TrafficRow RowOf(const platform::TrafficRecord& record);

// Bytes as text: decoded from the wire's code page, control characters as their visible
// pictures (⏎ for the carriage return, ␊ for the line feed, ...).
QString VisibleText(const std::string& bytes);
QString VisibleControls(const QString& text);

// The row as one line of a saved text file, dated; with the hex when `with_hex`.
QString RowLine(const TrafficRow& row, bool with_hex);

}  // namespace gui
