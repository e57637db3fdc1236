// The traffic monitor: how a record reads in its row, the rows following the bounded
// log through pause and clear, saving, and one window however often it is opened.
#include "gui/traffic_monitor.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <QBrush>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTableView>
#include <QTemporaryDir>

#include "gui/traffic_rows.h"
#include "gui/traffic_table_model.h"
#include "platform/serial/trace_json.h"

namespace gui {
namespace {

using platform::TrafficKind;
using platform::TrafficRecord;

// 2026-12-08T10:03:04.123 UTC.
constexpr std::int64_t kWall = 1796724184123;

TrafficRecord Bytes(platform::Direction dir, std::string bytes) {
  TrafficRecord r;
  r.kind = TrafficKind::kBytes;
  r.wall_ms = kWall;
  r.dir = dir;
  r.bytes = std::move(bytes);
  return r;
}

TrafficRecord Event(platform::PortEvent event, std::string error = {}) {
  TrafficRecord r;
  r.wall_ms = kWall;
  r.port = 2;
  r.event = event;
  r.device = "/dev/ttyUSB0";
  r.settings = "4800,n,8,1";
  r.error = std::move(error);
  return r;
}

TrafficRecord Exchange(std::string outcome, bool verdict) {
  TrafficRecord r;
  r.kind = TrafficKind::kExchange;
  r.wall_ms = kWall;
  r.exchange = {"01", "RP0", "$01RP033\r", "*01+012.3\r", std::move(outcome), verdict, 17.25};
  return r;
}

TEST(TrafficRows, EachKindOfRecordReadsAsATechnicianExpects) {
  setenv("TZ", "UTC", 1);
  tzset();
  struct Case {
    TrafficRecord record;
    const char* direction;
    const char* content;
    const char* hex;
    bool failed;
  };
  const Case cases[] = {
      {Bytes(platform::Direction::kTx, "$01\xCA\xFD\n\r"), "→", "$01数␊⏎", "24 30 31 CA FD 0A 0D", false},
      {Bytes(platform::Direction::kRx, "*"), "←", "*", "2A", false},
      {Event(platform::PortEvent::kOpen), "•", "打开端口 COM2（/dev/ttyUSB0），4800,n,8,1", "", false},
      {Event(platform::PortEvent::kError, "unplugged"), "•", "端口错误：unplugged", "", true},
      {Exchange("*01+012.3\r", false), "⇄", "地址 01 命令 RP0：结果 *01+012.3⏎，往返 17.3 ms",
       "24 30 31 52 50 30 33 33 0D → 2A 30 31 2B 30 31 32 2E 33 0D", false},
      {Exchange("ERR 0\r", false), "⇄", "地址 01 命令 RP0：结果 ERR 0⏎，往返 17.3 ms", nullptr, true},
      {Exchange("", true), "⇄", "地址 01 命令 RP0：校验通过，往返 17.3 ms", nullptr, false},
      {Exchange("校验错误！", true), "⇄", "地址 01 命令 RP0：校验失败：校验错误！，往返 17.3 ms", nullptr,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    const TrafficRow row = RowOf(c.record);
    EXPECT_EQ(row.date, "2026-12-08");
    EXPECT_EQ(row.time, "10:03:04.123");
    EXPECT_EQ(row.direction, QString::fromUtf8(c.direction));
    EXPECT_EQ(row.content, QString::fromUtf8(c.content));
    if (c.hex != nullptr) {
      EXPECT_EQ(row.hex, c.hex);
    }
    EXPECT_EQ(c.record.failed(), c.failed);
  }
  EXPECT_EQ(RowLine(RowOf(cases[1].record), true), "2026-12-08 10:03:04.123  ←  *  [2A]")
      << "a saved text names the day as well";
}

TEST(TrafficMonitorTest, RowsFollowTheBoundedLogThroughPauseAndClear) {
  platform::TrafficLog log(5);
  QMainWindow main;
  TrafficMonitor monitor(log, &main);
  TrafficTableModel& model = monitor.model();
  for (int i = 0; i < 3; ++i) log.Take(Bytes(platform::Direction::kTx, "a"));
  EXPECT_EQ(model.rowCount(), 0) << "records gather until the next update";
  monitor.Update();
  EXPECT_EQ(model.rowCount(), 3);

  monitor.findChild<QCheckBox*>()->setChecked(true);  // 暂停
  log.Take(Exchange("ERR 0\r", false));
  // Three whole replies, each ended by its CR: three rows (the monitor gathers only the
  // pieces of one reply), so two of the earlier rows drop out of the bounded log.
  for (int i = 0; i < 3; ++i) log.Take(Bytes(platform::Direction::kRx, "b\r"));
  EXPECT_EQ(model.RecordAt(0), nullptr) << "a row whose record the log dropped shows nothing";
  monitor.Update();
  EXPECT_EQ(model.rowCount(), 1) << "paused: the dropped rows go, nothing new comes";
  monitor.findChild<QCheckBox*>()->setChecked(false);
  ASSERT_EQ(model.rowCount(), 5);
  EXPECT_EQ(
      model.data(model.index(1, TrafficTableModel::kContent), Qt::ForegroundRole).value<QBrush>().color(),
      QColor(200, 0, 0))
      << "the failed exchange";
  EXPECT_EQ(model.data(model.index(4, TrafficTableModel::kDirection), Qt::DisplayRole).toString(), "←");

  QTemporaryDir dir;
  const QString jsonl = dir.filePath("t.jsonl");
  ASSERT_TRUE(monitor.SaveTo(jsonl));
  QFile saved(jsonl);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = saved.readAll().split('\n');
  ASSERT_EQ(lines.size(), 6) << "five lines and the end";
  EXPECT_EQ(lines[1].toStdString(), platform::TraceLine(log.At(log.first_number() + 1)));
  ASSERT_TRUE(monitor.SaveTo(dir.filePath("t.txt")));
  QFile text(dir.filePath("t.txt"));
  ASSERT_TRUE(text.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(text.readAll()).contains("结果 ERR 0⏎"));
  EXPECT_FALSE(monitor.SaveTo(dir.filePath("no/such/folder/t.txt")));

  monitor.Clear();
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(log.size(), 0u);
}

TEST(TrafficMonitorTest, TheMenuEntryMakesOneMonitorAndAsksForTheLogOnce) {
  platform::TrafficLog log;
  int asked = 0;
  const ToolItem item = TrafficMonitorTool([&]() -> platform::TrafficLog& {
    ++asked;
    return log;
  });
  EXPECT_EQ(item.name, "mnuTrafficMonitor");
  QMainWindow main;
  item.open(main);
  const ToolItem copy = item;
  copy.open(main);
  EXPECT_EQ(asked, 1);
  const QList<QWidget*> monitors = main.findChildren<QWidget*>("TrafficMonitor", Qt::FindDirectChildrenOnly);
  ASSERT_EQ(monitors.size(), 1);
  EXPECT_TRUE(monitors[0]->isVisible());
}

}  // namespace
}  // namespace gui
