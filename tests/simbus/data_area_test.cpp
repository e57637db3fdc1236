// "WU", "WF" and "LD": the user and factory data areas beside the present settings.

#include <gtest/gtest.h>

#include "tests/simbus/sim_fixture.h"

namespace {

using simbus_test::At;

struct DataAreas : simbus_test::SimBusFixture {
  simbus::Transmitter* t = nullptr;
  void SetUp() override {
    t = &bus.Add(At("07", 9600));
    Open(9600);
  }
  void Change(const char* unit, const char* low, const char* trim) {
    Send("07", std::string("UT") + unit);
    Send("07", std::string("DL") + low);
    Send("07", std::string("ZF") + trim);
  }
};

TEST_F(DataAreas, StoresConfirmWithOkAndCopyThePresentSettings) {
  const simbus::Settings power_up = t->present();
  Change("5", "-005.0", "+0025");
  EXPECT_TRUE(protocol::ExactMatch(Send("07", "WU"), "07", "OK"));
  EXPECT_EQ(t->user_area(), t->present());
  EXPECT_EQ(t->factory_area(), power_up) << "the user store leaves the factory area alone";

  Change("3", "+010.0", "-0003");
  EXPECT_TRUE(protocol::ExactMatch(Send("07", "WF"), "07", "OK"));
  EXPECT_EQ(t->factory_area(), t->present());
  EXPECT_EQ(t->user_area().unit, 5);
}

TEST_F(DataAreas, RestoringBringsBackTheFactoryAreaWhateverChangedSince) {
  Change("3", "+010.0", "-0003");
  Send("07", "WF");
  const simbus::Settings factory = t->factory_area();
  Change("9", "+020.0", "+0100");
  Send("07", "TYchanged");
  Send("07", "SZ");
  Send("07", "WU");
  ASSERT_NE(t->present(), factory);

  EXPECT_TRUE(protocol::ExactMatch(Send("07", "LD"), "07", "OK"));
  EXPECT_EQ(t->present(), factory);
  EXPECT_EQ(Value("07", "UT"), "3");
  EXPECT_EQ(Value("07", "DL"), "+010.0");
  EXPECT_EQ(Value("07", "ZF"), "-0003");
  EXPECT_EQ(Value("07", "TY"), "86000000");
  EXPECT_EQ(t->user_area().unit, 9) << "the user area keeps its own copy";
}

TEST_F(DataAreas, TheAreasDoNotHoldTheBusAddressOrRate) {
  Send("07", "WF");
  Send("07", "AD08");
  EXPECT_TRUE(protocol::ExactMatch(Send("08", "LD"), "08", "OK"));
  EXPECT_EQ(Send("08", "AD"), "*0808\r") << "restoring keeps the transmitter where it is";
}

}  // namespace
