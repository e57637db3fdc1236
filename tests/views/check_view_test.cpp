// The check window over a check running on the simulated bus and the virtual clock: the
// point table filling with failed points in red, the live readings with the stability
// light, and the typed reference taken from its field; a certificate file that cannot be
// written.
// With TT_PICTURES_DIR set, it also writes the README's pictures of the check window and
// of a certificate page.
#include "views/check_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "simbus/manifold.h"
#include "tests/support/dravon_fixture.h"
#include "views/certificate_pdf.h"

namespace {

using views::CheckView;

class CheckViewTest : public testing_support::DravonFixture {
 protected:
  CheckViewTest() : dir(testing::TempDir() + "/check_view_" + std::to_string(::getpid())) {
    std::filesystem::create_directories(dir);
    services.files = {
        {"check", dir + "/plan.ini"}, {"certificate", dir + "/c.pdf"}, {"check-log", dir + "/log.csv"}};
    check->set_certificate_writer(views::WriteCertificatePdf);
    AddTransmitter("01", 9600);
    AddTransmitter("02", 9600);
    Start(1);
    main["CMB_ADDR"].add_item("01");
    main.OnlineTable.push_back({"01", 3});
    port.set_settings("9600,N,8,1");
    main["CMB_ADDR"].set_list_index(0);
  }
  ~CheckViewTest() override { std::filesystem::remove_all(dir); }

  void Plan(const std::string& reference) {
    std::ofstream(dir + "/plan.ini") << "[Check]\nPoints=0,25,50,75,100\nTolerancePercent=0.25\nReadings=4\n"
                                        "StableSpread=0.05\nStage=as_found\nOperator=Bench 3\nReference="
                                     << reference << "\n";
  }
  QString Cell(CheckView& view, int row, int column) { return view.table().item(row, column)->text(); }
  void SavePicture(QWidget& widget, const char* name) {
    const QByteArray pictures = qgetenv("TT_PICTURES_DIR");
    if (pictures.isEmpty()) return;
    widget.show();
    QApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(QString::fromUtf8(pictures) + '/' + name, "PNG"));
  }

  std::string dir;
};

TEST_F(CheckViewTest, FillsThePointTableAndShowsTheLiveReadingWithItsStability) {
  // The manifold climbs while the check runs; 01 reads 0.4 % high, out of tolerance in
  // the upper part of the range.
  clock.set_wall_ms(1'796'724'000'000);  // 2026-12-08T10:00:00 UTC, for the certificate's date
  ASSERT_FALSE(simbus::ConnectManifold(bus, {{0, 30, 55, 80, 100}, 1800}, {{"01", 1.004, 0}}));
  Plan("02");
  CheckView view(*check);
  view.resize(720, 420);
  std::vector<bool> stable_seen;
  int rows_at_fourth_box = -1;
  check->changes().Listen([&] { stable_seen.push_back(view.stability().text() == "稳定"); });
  services.on_do_events = [&] {
    if (services.boxes.size() == 4 && rows_at_fourth_box < 0) {
      rows_at_fourth_box = view.table().rowCount();
      SavePicture(view, "check_view.png");
    }
  };
  ASSERT_EQ(user.Click({"mnuCheck", -1}).status, ui::ActionStatus::kDone);
  EXPECT_EQ(rows_at_fourth_box, 3) << "the rows fill as the points are taken";
  EXPECT_NE(std::find(stable_seen.begin(), stable_seen.end(), false), stable_seen.end());
  EXPECT_NE(std::find(stable_seen.begin(), stable_seen.end(), true), stable_seen.end());

  ASSERT_EQ(view.table().rowCount(), 5);
  EXPECT_EQ(Cell(view, 0, CheckView::kPercent), "0");
  EXPECT_EQ(Cell(view, 0, CheckView::kResult), "passed")
      << Cell(view, 0, CheckView::kReference).toStdString() << " "
      << Cell(view, 0, CheckView::kReading).toStdString();
  EXPECT_EQ(Cell(view, 4, CheckView::kResult), "failed");
  EXPECT_EQ(view.table().item(4, 0)->foreground().color(), QColor(Qt::red));
  EXPECT_FALSE(view.reference_field().isEnabled()) << "no typed reference with a reference transmitter";

  if (const QByteArray pictures = qgetenv("TT_PICTURES_DIR"); !pictures.isEmpty())
    std::filesystem::copy_file(dir + "/c.pdf", pictures.toStdString() + "/certificate.pdf",
                               std::filesystem::copy_options::overwrite_existing);
}

TEST_F(CheckViewTest, TakesATypedReferenceFromItsFieldAndAStopEndsTheCheck) {
  ASSERT_FALSE(simbus::ConnectManifold(bus, {{40}, 1000}, {}));
  Plan("typed");
  CheckView view(*check);
  int asked = 0;
  check->set_reference_asker([&](const check::ReferenceRequest& request) {
    ++asked;
    EXPECT_TRUE(view.reference_field().isEnabled());
    // The user types and presses the button once the field waits; the second time, stops.
    QTimer::singleShot(0, &view, [&view, asked] {
      if (asked == 1) {
        view.reference_field().setText("40.1");
        view.take_reference().click();
      } else {
        view.stop().click();
      }
    });
    return view.AskReference(request);
  });
  ASSERT_EQ(user.Click({"mnuCheck", -1}).status, ui::ActionStatus::kDone);
  EXPECT_EQ(asked, 2);
  ASSERT_EQ(view.table().rowCount(), 1);
  EXPECT_EQ(Cell(view, 0, CheckView::kReference), "40.1");
  EXPECT_EQ(Cell(view, 0, CheckView::kError), "-0.100");
  EXPECT_NE(services.boxes.back().text.find("检定未完成"), std::string::npos);
}

TEST(CertificatePdf, AFileThatCannotBeWrittenIsSaidSo) {
  std::string error;
  EXPECT_FALSE(views::WriteCertificatePdf({}, "/nonexistent-folder/c.pdf", error));
  EXPECT_EQ(error.rfind("/nonexistent-folder/c.pdf: ", 0), 0u) << error;
}

}  // namespace
