// "WU", "WF" and "LD": the user and factory data areas beside the present settings.

#include <gtest/gtest.h>

#include "tests/simbus/sim_fixture.h"

namespace {

struct DataAreas : simbus_test::SimBusFixture {
  simbus::Transmitter* t = nullptr;
  void SetUp() override {
    t = &bus.Add(simbus_test::At("07", 9600));
    Open(9600);
  }
  void Change(const char* unit, const char* low) {
    Send("07", std::string("UT") + unit);
    Send("07", std::string("DL") + low);
  }
  bool Ok(const char* addr, const char* comm) { return protocol::ExactMatch(Send(addr, comm), addr, "OK"); }
};

TEST_F(DataAreas, StoresCopyThePresentSettingsAndRestoringBringsBackTheFactoryArea) {
  const simbus::Settings power_up = t->present();
  Change("5", "-005.0");
  EXPECT_TRUE(Ok("07", "WU"));
  EXPECT_EQ(t->user_area(), t->present());
  EXPECT_EQ(t->factory_area(), power_up) << "the user store leaves the factory area alone";

  Change("3", "+010.0");
  EXPECT_TRUE(Ok("07", "WF"));
  const simbus::Settings factory = t->present();
  EXPECT_EQ(t->factory_area(), factory);
  EXPECT_EQ(t->user_area().unit, 5);

  Change("9", "+020.0");
  Send("07", "TYchanged");
  Send("07", "AD08");
  EXPECT_TRUE(Ok("08", "LD"));
  EXPECT_EQ(Value("08", "UT"), "3");
  EXPECT_EQ(Value("08", "DL"), "+010.0");
  EXPECT_EQ(Value("08", "TY"), "86000000");
  EXPECT_EQ(Send("08", "AD"), "*0808\r") << "restoring keeps the transmitter where it is";
  EXPECT_EQ(t->user_area().unit, 5) << "the user area keeps its own copy";
}

}  // namespace
