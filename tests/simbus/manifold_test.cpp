// The shared manifold: its schedule, each transmitter's gain and offset on it, and the
// options that set them up, refused when they do not read.
#include "simbus/manifold.h"

#include <gtest/gtest.h>

#include "simbus/bus.h"
#include "simbus/server_options.h"

namespace {

TEST(Manifold, StepsThroughItsPressuresAndEachTransmitterReadsItThroughItsOwnError) {
  platform::VirtualClock clock;
  clock.advance_ms(700);  // the schedule starts when the manifold is connected, not at 0
  std::string error;
  const auto parsed =
      simbus::ParseServerOptions({"--transmitter", "01:9600", "--transmitter", "02:9600", "--manifold",
                                  "10,50.5,90@2000", "--error", "01:1.01:-0.2"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  auto bus = simbus::BuildServerBus(*parsed.options, clock, &error);
  ASSERT_TRUE(bus) << error;
  struct Step {
    std::uint64_t after_ms;
    double manifold;
  };
  const Step steps[] = {{0, 10}, {1999, 10}, {2000, 50.5}, {4100, 90}, {60000, 90}};
  for (const Step& s : steps) {
    const std::uint64_t now = (700 + s.after_ms) * 1000;
    const double tested = bus->transmitter(0).PressureAt(now);
    const double reference = bus->transmitter(1).PressureAt(now);
    EXPECT_NEAR(reference, s.manifold, simbus::kManifoldNoise) << s.after_ms;
    EXPECT_NEAR(tested, 1.01 * s.manifold - 0.2, simbus::kManifoldNoise) << s.after_ms;
  }
}

TEST(Manifold, OptionsThatDoNotReadAreRefusedWithWhatIsWrong) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--manifold", "10,,20"}, "bad --manifold \"10,,20\" (want P[,P]...[@MS])"},
      {{"--manifold", "10@0"}, "bad --manifold \"10@0\" (want P[,P]...[@MS])"},
      {{"--manifold", "10", "--error", "1:1.01"},
       "bad --error \"1:1.01\" (want ADDR:GAIN[:OFFSET], GAIN above 0)"},
      {{"--manifold", "10", "--error", "01:0"},
       "bad --error \"01:0\" (want ADDR:GAIN[:OFFSET], GAIN above 0)"},
      {{"--manifold", "10", "--error", "01:1:x"},
       "bad --error \"01:1:x\" (want ADDR:GAIN[:OFFSET], GAIN above 0)"},
      {{"--error", "01:1.01"}, "--error needs --manifold"},
  };
  for (const auto& [args, error] : cases) {
    const auto parsed = simbus::ParseServerOptions(args);
    EXPECT_FALSE(parsed.options) << error;
    EXPECT_EQ(parsed.error, error);
  }
  platform::VirtualClock clock;
  std::string error;
  const auto orphan = simbus::ParseServerOptions({"--manifold", "10", "--error", "07:1.01"});
  ASSERT_TRUE(orphan.options);
  EXPECT_FALSE(simbus::BuildServerBus(*orphan.options, clock, &error));
  EXPECT_EQ(error, "--error names no transmitter: 07");
}

}  // namespace
