// The bus view over a bus poll on the simulated bus and the virtual clock: one row per
// transmitter as the poll saw it, failed rows in red, its buttons and the double click.
// With TT_PICTURES_DIR set, it also writes the README's pictures of the view and of the
// chart with several transmitters (run it under xvfb-run for the real fonts).
#include "views/bus_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QXYSeries>

#include "views/reading_chart.h"
#include "measure/reading_history.h"
#include "tests/measure/bus_poll_fixture.h"

namespace {

using measure_test::Found;
using views::BusView;

constexpr std::int64_t kWallStart = 1'796'724'000'000;  // 2026-12-08T10:00:00 UTC

class BusViewTest : public measure_test::BusPollFixture {
 protected:
  BusViewTest() : BusPollFixture(kWallStart) {}

  QString Cell(BusView& view, int row, int column) { return view.table().item(row, column)->text(); }
  QColor Colour(BusView& view, int row) { return view.table().item(row, 0)->foreground().color(); }
  void SavePicture(QWidget& widget, const char* name) {
    const QByteArray dir = qgetenv("TT_PICTURES_DIR");
    if (dir.isEmpty()) return;
    widget.show();
    QApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(QString::fromUtf8(dir) + '/' + name, "PNG"));
  }
};

TEST_F(BusViewTest, ShowsOneRowPerTransmitterAsThePollSawItWithFailedRowsInRed) {
  FoundOnBus({{"01", 9600}, {"05", 4800}, {"07", 4800}, {"12", 1200}});
  bus.Find("05", 4800)->set_pressure_text("+0012.34");
  bus.Find("12", 1200)->set_pressure_text("+0101.5");
  BusView view(*bus_poll);
  EXPECT_EQ(view.table().rowCount(), 0) << "nothing before the first start";
  RunCycles(2);
  bus.Find("07", 4800)->faults() = {.silent = true};
  RunCycles(1);

  ASSERT_EQ(view.table().rowCount(), 4);
  for (int row = 0; row < 4; ++row) {
    SCOPED_TRACE(row);
    const measure::WatchedTransmitter& t = Watched(static_cast<std::size_t>(row));
    EXPECT_EQ(Cell(view, row, BusView::kAddress).toStdString(), t.address);
    EXPECT_EQ(Cell(view, row, BusView::kSerial).toStdString(), t.serial);
    EXPECT_EQ(Cell(view, row, BusView::kPressure).toStdString(), t.pressure + " " + t.unit);
    EXPECT_EQ(Cell(view, row, BusView::kTemperature).toStdString(), t.temperature);
    EXPECT_EQ(Cell(view, row, BusView::kFailures).toInt(), t.failures);
    EXPECT_EQ(Cell(view, row, BusView::kMin).toStdString(), t.min);
    EXPECT_EQ(Cell(view, row, BusView::kMax).toStdString(), t.max);
    EXPECT_EQ(Colour(view, row) == QColor(Qt::red), t.failed_last_turn);
  }
  EXPECT_EQ(Cell(view, 1, BusView::kPressure), "+0012.34 kPa");
  EXPECT_TRUE(Watched(2).failed_last_turn) << "the silent one";
  EXPECT_NE(Cell(view, 2, BusView::kLastAnswer), Cell(view, 0, BusView::kLastAnswer))
      << "it answered a cycle earlier than the others";
  EXPECT_EQ(view.start_stop().text(), "停止");
  ClickPollAll();
  EXPECT_EQ(view.start_stop().text(), "开始");

  // The chart of the same readings: a curve per transmitter and quantity, any of them hidden.
  measure::ReadingHistory history;
  for (const measure::Reading& r : readings) history.Add(r);
  views::ReadingChart chart(history, feed);
  chart.resize(900, 560);
  EXPECT_EQ(chart.chart().series().size(), 4 * 2 + 1) << "and the silent one's failures";
  auto* hidden = qobject_cast<QXYSeries*>(chart.chart().series().at(0));
  ASSERT_NE(hidden, nullptr);
  chart.SetCurveShown(*hidden, false);
  EXPECT_FALSE(hidden->isVisible());
  view.resize(820, 260);
  SavePicture(view, "bus_view.png");
  SavePicture(chart, "chart_bus.png");
}

TEST_F(BusViewTest, ItsButtonsStartAndStopSetTheIntervalAndADoubleClickSelectsTheRow) {
  FoundOnBus({{"01", 9600}, {"05", 4800}, {"12", 1200}});
  BusView view(*bus_poll);
  view.interval().setValue(500);
  EXPECT_EQ(bus_poll->interval_ms(), 500);
  view.start_stop().click();
  EXPECT_TRUE(bus_poll->running());
  EXPECT_EQ(view.start_stop().text(), "停止");
  services.loop.Wait(1200);
  ASSERT_EQ(view.table().rowCount(), 3);
  emit view.table().cellDoubleClicked(1, BusView::kPressure);
  EXPECT_FALSE(bus_poll->running()) << "the poll stops first";
  EXPECT_EQ((*this)["CMB_ADDR"].list_index(), 1);
  EXPECT_EQ((*this)["TXT_BAND"].text(), "4800") << "and the main window reads that transmitter";
  EXPECT_EQ(view.start_stop().text(), "开始");
}

TEST_F(BusViewTest, ComesUpBesideTheMainWindowWhenThePollIsStartedFromTheMenu) {
  FoundOnBus({{"01", 9600}});
  QMainWindow main_window;
  main_window.show();
  BusView::ShowWhenStarted(*bus_poll);
  EXPECT_EQ(main_window.findChild<QWidget*>(BusView::kObjectName), nullptr);
  ClickPollAll();
  QWidget* view = main_window.findChild<QWidget*>(BusView::kObjectName);
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  ClickPollAll();
  ClickPollAll();
  EXPECT_EQ(main_window.findChildren<QWidget*>(BusView::kObjectName).size(), 1) << "one view, raised again";
}

}  // namespace
