#include "shell/port_choice.h"

#include <gtest/gtest.h>

#include "tests/support/dravon_fixture.h"

namespace {

using PortChoiceTest = testing_support::DravonFixture;

TEST_F(PortChoiceTest, ChoosingAPortOpensItAndRemembersIt) {
  Start(0);
  EXPECT_EQ(user.Choose({"cmbCommPort", -1}, 1).status, ui::ActionStatus::kDone);
  EXPECT_TRUE(port.port_open());
  EXPECT_EQ(port.comm_port(), 2);
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "2");
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(PortChoiceTest, AMissingPortShowsTheSerialLayersTextAndStoresNothing) {
  Start(2);
  user.Choose({"cmbCommPort", -1}, 4);  // com5 does not exist
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "No serial device at /dev/ttyS4");
  EXPECT_EQ(services.boxes[0].title, "Halvora");
  EXPECT_EQ(services.boxes[0].icon, ui::MessageBoxIcon::kExclamation);
  EXPECT_EQ(services.boxes[0].buttons, ui::MessageBoxButtons::kOk);
  EXPECT_FALSE(port.port_open());
  EXPECT_EQ((*this)["cmbCommPort"].text(), "com5") << "the list keeps the chosen item";
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "2");
}

TEST_F(PortChoiceTest, APortHeldByAnotherProgramIsReportedAndTheUserCanRecover) {
  Start(0);
  user.Choose({"cmbCommPort", -1}, 5);
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "/dev/ttyS5 is held by another program");
  EXPECT_FALSE(port.port_open());
  user.Choose({"cmbCommPort", -1}, 0);
  EXPECT_TRUE(port.port_open());
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "1");
}

TEST_F(PortChoiceTest, ChoosingTheOpenPortAgainReopensIt) {
  Start(1);
  port.set_settings("1200,N,8,1");
  user.Choose({"cmbCommPort", -1}, 0);
  EXPECT_TRUE(port.port_open());
  EXPECT_EQ(port.settings(), "1200,n,8,1") << "open and close keep the line settings";
}

TEST_F(PortChoiceTest, ANewMappingOfTheChosenPortRunsTheChoiceAgain) {
  Start(1);
  ASSERT_TRUE(port.port_open());
  vanish_at_us = 0;  // what port 1 maps to from now on is not there
  shell::RerunPortChoiceIfRemapped(main, {2, 3});
  EXPECT_TRUE(port.port_open()) << "other ports' mappings leave the open port alone";
  EXPECT_TRUE(services.boxes.empty());
  shell::RerunPortChoiceIfRemapped(main, {1});
  EXPECT_FALSE(port.port_open());
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "No serial device at /dev/ttyUSB0") << "the choice says why, as ever";
}

TEST_F(PortChoiceTest, AFailingSettingsStoreNeverStopsTheChoice) {
  struct FailingStore final : platform::SettingsStore {
    std::string Get(std::string_view, std::string_view, std::string_view, std::string_view f) const override {
      return std::string(f);
    }
    bool Set(std::string_view, std::string_view, std::string_view, std::string_view) override { return false; }
  } failing;
  shell::MainWindow other(port, clock, failing);
  dravon::AttachDravonHandlers(other);
  testing_support::RecordingServices other_services(other.window(), clock);
  other.window().AttachServices(other_services);
  other.window().Load();
  other["cmbCommPort"].set_list_index(2);
  EXPECT_TRUE(port.port_open());
  other.window().DetachServices();
}

}  // namespace
