// Transactions through an adapter that hears its own transmission: the echo never
// becomes the reply, and an echo that is not what was sent fails the exchange clearly.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/serial/echo_device.h"
#include "platform/serial/serial_port.h"
#include "platform/serial/traffic_log.h"
#include "platform/serial/traffic_recorder.h"
#include "protocol/frame.h"
#include "protocol/transaction.h"
#include "simbus/demo_bus.h"
#include "simbus/sim_device.h"
#include "tests/support/scripted_device.h"

namespace {

using platform::Direction;
using platform::EchoMode;
using platform::TrafficKind;
using platform::TrafficRecord;

// One port with a recorder, on whichever device `open` makes.
struct RecordedPort {
  explicit RecordedPort(platform::DeviceFactory open) : port(std::move(open), "MSCommBsq") {
    recorder.AddSink(log);
    port.set_recorder(&recorder);
  }
  // The bytes of every record in `dir`, joined; the error texts when `dir` is empty.
  std::string Joined(std::optional<Direction> dir) const {
    std::string joined;
    for (std::uint64_t n = log.first_number(); n < log.next_number(); ++n) {
      const TrafficRecord& r = log.At(n);
      if (dir && r.kind == TrafficKind::kBytes && r.dir == *dir) joined += r.bytes;
      if (!dir && r.kind == TrafficKind::kEvent && r.event == platform::PortEvent::kError) joined += r.error;
    }
    return joined;
  }

  platform::VirtualClock clock;
  platform::SerialPort port;
  platform::TrafficRecorder recorder{clock, {}};
  platform::TrafficLog log;
};

TEST(EchoTransaction, TheEchoIsTakenOutWholeOrTheExchangeFailsClearly) {
  const std::string frame = protocol::BuildRequestFrame("01", "VR");
  const std::string reply = protocol::BuildReplyFrame("012.00");
  std::string wrong = frame;
  wrong[3] = 'X';  // a collision on the bus changed one byte
  const std::string ok = "*012.00\r";
  struct Arrival {
    std::uint32_t ms;  // after the write
    std::string bytes;
  };
  struct Case {
    const char* name;
    std::optional<EchoMode> mode;  // none: no echo handling
    std::vector<Arrival> arrivals;
    std::string result;
    std::string echo;   // recorded as the adapter's echo
    std::string rx;     // recorded as received
    std::string error;  // part of the port's failure, "" when none
  };
  const Case cases[] = {
      {"auto, whole echo, then the reply", EchoMode::kAuto, {{5, frame}, {20, reply}}, ok, frame, reply, ""},
      {"auto, echo split over reads",
       EchoMode::kAuto,
       {{2, frame.substr(0, 3)}, {4, frame.substr(3, 2)}, {6, frame.substr(5)}, {20, reply}},
       ok,
       frame,
       reply,
       ""},
      {"auto, echo and reply in one read", EchoMode::kAuto, {{20, frame + reply}}, ok, frame, reply, ""},
      {"auto, no echo at all", EchoMode::kAuto, {{20, reply}}, ok, "", reply, ""},
      {"auto, an echo with a wrong byte is not an echo",
       EchoMode::kAuto,
       {{5, wrong}, {20, reply}},
       std::string(protocol::kResultBadFrame),
       "",
       wrong,  // its CR ended the exchange
       ""},
      {"auto, a partial echo before the reply",
       EchoMode::kAuto,
       {{5, frame.substr(0, 4)}, {20, reply}},
       std::string(protocol::kResultBadFrame),
       "",
       frame.substr(0, 4) + reply,
       ""},
      {"auto, a partial echo, then silence",
       EchoMode::kAuto,
       {{5, frame.substr(0, 4)}},
       std::string(protocol::kResultNoReply),
       "",
       frame.substr(0, 4),
       ""},
      {"on, whole echo, then the reply", EchoMode::kOn, {{5, frame}, {20, reply}}, ok, frame, reply, ""},
      {"on, echo split over reads",
       EchoMode::kOn,
       {{1, frame.substr(0, 1)}, {3, frame.substr(1, 5)}, {20, frame.substr(6) + reply}},
       ok,
       frame,
       reply,
       ""},
      {"on, a wrong byte is a collision",
       EchoMode::kOn,
       {{5, wrong}, {20, reply}},
       std::string(protocol::kResultNoReply),
       "",
       wrong,
       "总线冲突：/dev/ttyUSB0 收回的回显与发出的不同（发出“$01VR"},
      {"on, no echo but a reply is a collision",
       EchoMode::kOn,
       {{20, reply}},
       std::string(protocol::kResultNoReply),
       "",
       reply,
       "总线冲突"},
      {"on, a partial echo, then silence",
       EchoMode::kOn,
       {{5, frame.substr(0, 4)}},
       std::string(protocol::kResultNoReply),
       "",
       frame.substr(0, 4),
       "回显不完整：/dev/ttyUSB0"},
      {"off, the echo is read as the reply",
       std::nullopt,
       {{5, frame}, {20, reply}},
       std::string(protocol::kResultBadFrame),
       "",
       frame,
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::ScriptedDevice* scripted = nullptr;
    RecordedPort p([&](int, platform::PortError&) -> std::unique_ptr<platform::SerialDevice> {
      auto device = std::make_unique<testing_support::ScriptedDevice>(p.clock);
      scripted = device.get();
      if (!c.mode) return device;
      return std::make_unique<platform::EchoDevice>(std::move(device), *c.mode, "/dev/ttyUSB0");
    });
    ASSERT_FALSE(p.port.set_port_open(true));
    for (const Arrival& a : c.arrivals) scripted->ReplyToNextWrite(a.ms, a.bytes);
    EXPECT_EQ(protocol::Transaction(p.port, p.clock).Comm_Send("01", "VR"), c.result);
    EXPECT_EQ(p.Joined(Direction::kEcho), c.echo);
    EXPECT_EQ(p.Joined(Direction::kRx), c.rx);
    const std::string errors = p.Joined(std::nullopt);
    if (c.error.empty()) {
      EXPECT_EQ(errors, "");
    } else {
      EXPECT_NE(errors.find(c.error), std::string::npos) << errors;
    }
  }
}

// The simulated bus with its adapter echo on: every transmitter of the demo bus answers
// at its own rate through echo=auto and echo=on, and without echo handling none does.
TEST(EchoTransaction, EveryTransmitterAnswersThroughAnEchoingSimulatedAdapter) {
  const std::pair<const char*, int> transmitters[] = {{"01", 9600}, {"05", 4800}, {"12", 1200}};
  for (std::optional<EchoMode> mode :
       {std::optional(EchoMode::kAuto), std::optional(EchoMode::kOn), std::optional<EchoMode>()}) {
    platform::VirtualClock clock;
    std::unique_ptr<simbus::Bus> bus = simbus::MakeDemoBus(clock);
    bus->set_adapter_echo(true);
    RecordedPort p([&](int, platform::PortError&) -> std::unique_ptr<platform::SerialDevice> {
      auto device = std::make_unique<simbus::SimDevice>(*bus);
      if (!mode) return device;
      return std::make_unique<platform::EchoDevice>(std::move(device), *mode, "sim");
    });
    ASSERT_FALSE(p.port.set_port_open(true));
    protocol::Transaction link(p.port, clock);
    for (const auto& [address, baud] : transmitters) {
      SCOPED_TRACE(std::string(address) + (mode ? (*mode == EchoMode::kOn ? " on" : " auto") : " off"));
      ASSERT_FALSE(p.port.set_settings(std::to_string(baud) + ",n,8,1"));
      const std::string result = link.Comm_Send(address, "VR");
      if (mode) {
        EXPECT_EQ(result.substr(0, 3), "*" + std::string(address)) << result;
      } else {
        EXPECT_TRUE(protocol::IsFailureResult(result)) << result;
      }
    }
    if (mode) {
      EXPECT_EQ(p.Joined(Direction::kRx).find('$'), std::string::npos) << "no echo read as received";
      EXPECT_EQ(p.Joined(Direction::kEcho).substr(0, 5), "$01VR");
    }
  }
}

}  // namespace
