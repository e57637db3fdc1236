#include "gui/traffic_rows.h"

#include <QCoreApplication>

#include "gui/shown_text.h"
#include "platform/clock.h"
#include "platform/serial/trace_json.h"
#include "platform/text/ansi_codepage.h"

namespace gui {

namespace {

QString EventText(const platform::TrafficRecord& r) {
  const QString settings = QString::fromStdString(r.settings);
  switch (r.event) {
    case platform::PortEvent::kOpen:
      return QCoreApplication::translate("TrafficMonitor", "打开端口 COM%1（%2），%3")
          .arg(r.port)
          .arg(QString::fromStdString(r.device), settings);
    case platform::PortEvent::kClose:
      return QCoreApplication::translate("TrafficMonitor", "关闭端口 COM%1").arg(r.port);
    case platform::PortEvent::kSettings:
      return QCoreApplication::translate("TrafficMonitor", "通讯参数 %1").arg(settings);
    case platform::PortEvent::kDiscardIn:
      return QCoreApplication::translate("TrafficMonitor", "清空接收缓冲区");
    case platform::PortEvent::kDiscardOut:
      return QCoreApplication::translate("TrafficMonitor", "清空发送缓冲区");
    case platform::PortEvent::kError:
      return QCoreApplication::translate("TrafficMonitor", "端口错误：%1").arg(Shown(r.error));
  }
  return {};
}

// A verdict or a port error is a text of the window model: shown in the window's language.
QString ExchangeText(const platform::ExchangeSummary& e) {
  const QString outcome =
      !e.outcome_is_verdict ? QCoreApplication::translate("TrafficMonitor", "结果 %1")
                                  .arg(VisibleControls(QString::fromStdString(e.outcome)))
      : e.outcome.empty()
          ? QCoreApplication::translate("TrafficMonitor", "校验通过")
          : QCoreApplication::translate("TrafficMonitor", "校验失败：%1").arg(Shown(e.outcome));
  return QCoreApplication::translate("TrafficMonitor", "地址 %1 命令 %2：%3，往返 %4 ms")
      .arg(QString::fromStdString(e.address), QString::fromStdString(e.command), outcome)
      .arg(e.ms, 0, 'f', 1);
}

}  // namespace

QString VisibleText(const std::string& bytes) {
  return VisibleControls(QString::fromStdString(platform::AnsiToUtf8(bytes)));
}

QString VisibleControls(const QString& text) {
  QString visible;
  visible.reserve(text.size());
  for (const QChar c : text) {
    if (c == u'\r')
      visible += QChar(0x23CE);  // ⏎
    else if (c.unicode() < 0x20)
      visible += QChar(0x2400 + c.unicode());  // the control pictures ␀ .. ␟
    else if (c.unicode() == 0x7F)
      visible += QChar(0x2421);  // ␡
    else
      visible += c;
  }
  return visible;
}

TrafficRow RowOf(const platform::TrafficRecord& record) {
  TrafficRow row;
  const QString iso =
      QString::fromStdString(platform::LocalIsoTime(record.wall_ms));  // "2026-12-09T10:03:04.123"
  row.date = iso.left(10);
  row.time = iso.mid(11);
  switch (record.kind) {
    case platform::TrafficKind::kEvent:
      row.direction = QStringLiteral("•");
      row.content = EventText(record);
      break;
    case platform::TrafficKind::kBytes:
      row.direction = record.dir == platform::Direction::kTx   ? QStringLiteral("→")
                      : record.dir == platform::Direction::kRx ? QStringLiteral("←")
                                                               : QStringLiteral("↩");  // the adapter's echo
      row.content = VisibleText(record.bytes);
      row.hex = QString::fromStdString(platform::HexText(record.bytes));
      break;
    case platform::TrafficKind::kExchange:
      row.direction = QStringLiteral("⇄");
      row.content = ExchangeText(record.exchange);
      row.hex = QString::fromStdString(platform::HexText(record.exchange.sent)) + QStringLiteral(" → ") +
                QString::fromStdString(platform::HexText(record.exchange.received));
      break;
  }
  return row;
}

QString RowLine(const TrafficRow& row, bool with_hex) {
  QString line = row.date + QLatin1Char(' ') + row.time + QStringLiteral("  ") + row.direction +
                 QStringLiteral("  ") + row.content;
  if (with_hex && !row.hex.isEmpty()) line += QStringLiteral("  [") + row.hex + QStringLiteral("]");
  return line;
}

}  // namespace gui
