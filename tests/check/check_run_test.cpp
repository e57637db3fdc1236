// The check through mnuCheck on the simulated bus and the virtual clock: a transmitter
// under test and a reference transmitter on one manifold, the plan, the certificate and
// the log as the window's file choices; the verdicts, a silent transmitter mid-check,
// a cancelled check, typed references, and that nothing is ever written to a transmitter.
#include "check/check_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "check/check_log.h"
#include "simbus/manifold.h"
#include "tests/support/dravon_fixture.h"

namespace {

using check::CheckResult;

constexpr const char* kPlan =
    "[Check]\nPoints=0,50,100\nTolerancePercent=0.25\nReadings=3\nStableSpread=0.05\nReference=02\n"
    "Stage=%STAGE%\nOperator=Bench 3\n";

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class CheckRunTest : public testing_support::DravonFixture {
 public:
  // The cases of a table each run on a bench of their own.
  using DravonFixture::bus;
  using DravonFixture::check;
  using DravonFixture::services;

  CheckRunTest() : dir(testing::TempDir() + "/check_run_" + std::to_string(::getpid())) {
    std::filesystem::create_directories(dir);
    services.files = {
        {"check", dir + "/plan.ini"}, {"certificate", dir + "/c.pdf"}, {"check-log", dir + "/log.csv"}};
    std::filesystem::remove(dir + "/log.csv");
    check->set_certificate_writer(
        [this](const check::Certificate& c, const std::string&, std::string& error) {
          certificates.push_back(c);
          error = "c.pdf: no space left on device";
          return certificate_writes;
        });
  }
  ~CheckRunTest() override { std::filesystem::remove_all(dir); }

  // 01 under test and 02 as the reference on one manifold at `pressure`, 01 selected and read.
  void Bench(double pressure, double gain, double offset = 0) {
    AddTransmitter("01", 9600);
    AddTransmitter("02", 9600);
    Start(1);
    main["CMB_ADDR"].add_item("01");
    main.OnlineTable.push_back({"01", 3});
    port.set_settings("9600,N,8,1");
    ASSERT_FALSE(simbus::ConnectManifold(bus, {{pressure}, 1000}, {{"01", gain, offset}}));
    main["CMB_ADDR"].set_list_index(0);
    TakeCommands();
  }

  void Plan(const std::string& stage = "as_found", const std::string& reference = "02") {
    std::string text = kPlan;
    text.replace(text.find("%STAGE%"), 7, stage);
    text.replace(text.find("Reference=02"), 12, "Reference=" + reference);
    std::ofstream(dir + "/plan.ini") << text;
  }

  void ClickCheck() { ASSERT_EQ(user.Click({"mnuCheck", -1}).status, ui::ActionStatus::kDone); }

  std::string LastBox() const { return services.boxes.empty() ? "" : services.boxes.back().text; }

  std::string dir;
  bool certificate_writes = true;
  std::vector<check::Certificate> certificates;
};

TEST_F(CheckRunTest, ComparesEachPointWithTheReferenceAndLogsAndCertifiesTheVerdict) {
  struct Case {
    const char* name;
    double gain;
    double error;  // at every point, the manifold being at 50 kPa
    bool passed;
    const char* result;
  };
  const Case cases[] = {
      {"in tolerance", 1.0, 0.0, true, "检定合格（as_found）：3 个点全部在允许误差 ±0.25% 之内。"},
      {"a planted gain error", 1.01, 0.5, false,
       "检定不合格（as_found）：3 个点中 3 个不合格。0%、50%、100%"},
  };
  for (const Case& c : cases) {
    struct One final : CheckRunTest {
      void TestBody() override {}
    } t;
    t.Bench(50, c.gain);
    t.Plan();
    t.ClickCheck();
    ASSERT_EQ(t.services.boxes.size(), 4u) << c.name << ": three points asked for, one result";
    EXPECT_EQ(t.services.boxes[1].text, "第 2/3 点：请将压力设定为 50.0 kPa（量程的 50%），稳定后按确定。")
        << c.name;
    EXPECT_EQ(t.services.boxes[1].buttons, ui::MessageBoxButtons::kOkCancel);
    EXPECT_EQ(t.LastBox(), std::string(c.result) + "\n证书：" + t.dir + "/c.pdf\n记录：" + t.dir + "/log.csv")
        << c.name;

    ASSERT_EQ(t.certificates.size(), 1u) << c.name;
    const check::CertificatePage& page = t.certificates[0].pages.at(0);
    EXPECT_EQ(t.certificates[0].serial, "08000000");
    EXPECT_EQ(page.passed, c.passed) << c.name;
    EXPECT_EQ(page.verdict, std::string("结论 Verdict: ") + (c.passed ? "passed" : "failed"));
    ASSERT_EQ(page.plot.size(), 3u);
    for (const check::PlotPoint& p : page.plot) EXPECT_NEAR(p.error_percent, c.error, 0.011) << c.name;

    const std::vector<std::string> log = Lines(t.dir + "/log.csv");
    ASSERT_EQ(log.size(), 4u) << c.name;
    EXPECT_EQ(log[0] + "\n", check::CheckLogHeader());
    EXPECT_NE(log[2].find(",08000000,01,as_found,50,50.0,"), std::string::npos) << log[2];
    EXPECT_NE(log[2].find(std::string(",kPa,") + (c.passed ? "0.000" : "0.500") + ",0.25," +
                          (c.passed ? "passed" : "failed")),
              std::string::npos)
        << log[2];
    for (std::size_t k : {0u, 1u})
      EXPECT_TRUE(testing_support::ChangesHeard(t.bus.transmitter(k)).empty()) << "a check only reads";
  }
}

TEST_F(CheckRunTest, ATransmitterThatStopsAnsweringFailsItsPointsWithTheReasonNeverAZero) {
  struct Case {
    const char* name;
    std::size_t silent;  // the transmitter that falls silent after the first point
    const char* reason;
  };
  const Case cases[] = {
      {"the reference", 1, "参考变送器无应答：ERR 0"},
      {"the transmitter under test", 0, "被检变送器无应答：ERR 0"},
  };
  for (const Case& c : cases) {
    struct One final : CheckRunTest {
      void TestBody() override {}
    } t;
    t.Bench(50, 1.0);
    t.Plan();
    // Silent from the second point's question on.
    t.services.on_do_events = [&t, &c] {
      if (t.services.boxes.size() >= 2) t.bus.transmitter(c.silent).faults().silent = true;
    };
    t.services.answers = {ui::MessageBoxAnswer::kOk, ui::MessageBoxAnswer::kOk};
    t.ClickCheck();
    const check::CheckProgress& p = t.check->progress();
    ASSERT_EQ(p.done.size(), 3u) << c.name;
    EXPECT_TRUE(p.done[0].passed) << c.name;
    for (std::size_t k : {1u, 2u}) {
      EXPECT_FALSE(p.done[k].passed) << c.name;
      EXPECT_FALSE(p.done[k].reading && p.done[k].reference) << c.name << ": no error without both";
      EXPECT_FALSE(p.done[k].error_percent) << c.name;
      EXPECT_EQ(p.done[k].reason, c.reason) << c.name;
    }
    const std::vector<std::string> log = Lines(t.dir + "/log.csv");
    ASSERT_EQ(log.size(), 4u);
    EXPECT_NE(log[3].find(",,kPa,,0.25,failed"), std::string::npos) << log[3];
    EXPECT_NE(t.LastBox().find("3 个点中 2 个不合格"), std::string::npos) << t.LastBox();
  }
}

TEST_F(CheckRunTest, ACancelledCheckFailsWithThePointsTakenAndAFailedFileSaysSo) {
  Bench(50, 1.0);
  Plan();
  services.answers = {ui::MessageBoxAnswer::kOk, ui::MessageBoxAnswer::kCancel};
  certificate_writes = false;
  ClickCheck();
  EXPECT_EQ(LastBox().substr(0, LastBox().find('\n')), "检定未完成（as_found）：完成 1/3 个点，检定不合格。");
  EXPECT_NE(LastBox().find("\n\nc.pdf: no space left on device"), std::string::npos) << LastBox();
  EXPECT_EQ(services.boxes.back().icon, ui::MessageBoxIcon::kExclamation);
  ASSERT_EQ(certificates.size(), 1u);
  EXPECT_EQ(certificates[0].pages.at(0).verdict, "结论 Verdict: failed  (检查未完成 not completed)");
  EXPECT_EQ(Lines(dir + "/log.csv").size(), 2u) << "the header and the one point taken";

  // A read of the transmitter in the middle of a point takes the port back: the check ends.
  services.boxes.clear();
  services.on_do_events = [this] {
    if (services.boxes.size() == 2) (void)user.Click({"cmdReFresh", -1});
  };
  ClickCheck();
  EXPECT_EQ(LastBox().substr(0, LastBox().find('\n')), "检定未完成（as_found）：完成 1/3 个点，检定不合格。");
  EXPECT_FALSE(main.PortHeld()) << "the port is free again";
}

TEST_F(CheckRunTest, AsFoundAndAsLeftOfOneSerialGoOnOneCertificateInThatOrder) {
  Bench(50, 1.0);
  Plan("as_left");
  ClickCheck();
  Plan("as_found");
  ClickCheck();
  ASSERT_EQ(certificates.size(), 2u);
  ASSERT_EQ(certificates[1].pages.size(), 2u);
  EXPECT_EQ(certificates[1].pages[0].stage, "调整前  As found");
  EXPECT_EQ(certificates[1].pages[1].stage, "调整后  As left");
  EXPECT_EQ(Lines(dir + "/log.csv").size(), 7u) << "one header, three rows a check";
}

TEST_F(CheckRunTest, TypedReferencesAreRefusedWithoutAWindowToTypeThemIn) {
  Bench(50, 1.0);
  Plan("as_found", "typed");
  ClickCheck();
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text,
            "此检定计划需要手动输入参考值（Reference=typed），无界面模式下不能运行。");
  EXPECT_EQ(services.file_requests.size(), 1u) << "refused before the certificate is asked for";
}

TEST_F(CheckRunTest, NothingStartsWithoutASelectedTransmitterOrAReadableIdentity) {
  AddTransmitter("01", 9600);
  Start(1);
  ClickCheck();
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "请先搜索并选择一台变送器。");

  main["CMB_ADDR"].add_item("01");
  main.OnlineTable.push_back({"01", 3});
  main["CMB_ADDR"].set_list_index(0);
  bus.transmitter(0).faults().silent = true;
  Plan();
  services.boxes.clear();
  ClickCheck();
  ASSERT_FALSE(services.boxes.empty());
  EXPECT_EQ(LastBox(), "读取变送器参数失败，未开始检定。");

  // A reference that is silent, or reads in another unit, would make every point wrong.
  bus.transmitter(0).faults().silent = false;
  EXPECT_EQ(main.window().At("CMB_ADDR").text(), "01");
  ClickCheck();
  EXPECT_EQ(LastBox(), "参考变送器 02 无应答：ERR 0。未开始检定。");
  AddTransmitter("02", 9600).present().unit = 3;
  ClickCheck();
  EXPECT_EQ(LastBox(), "参考变送器 02 的单位（Bar）与被检变送器的单位（kPa）不同，未开始检定。");
  EXPECT_TRUE(certificates.empty());
  EXPECT_EQ(Lines(dir + "/log.csv").size(), 0u) << "the log is opened but nothing appended";
}

}  // namespace
