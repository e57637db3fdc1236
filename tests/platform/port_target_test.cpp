#include "platform/serial/port_target.h"

#include <gtest/gtest.h>

namespace {

using platform::DeviceKind;
using platform::EchoMode;
using platform::ParsePortTarget;
using platform::PortTarget;
using platform::Rs485Mode;

TEST(PortTarget, ReadsEveryKindOfDeviceWithItsOptionsAndWritesThemBackTheSame) {
  struct Case {
    std::string text;
    DeviceKind kind;
    std::string host;
    int tcp_port;
    std::optional<EchoMode> echo;
    Rs485Mode rs485;
    std::optional<int> fixed_baud;
    std::string written;  // ToText
  };
  const Case cases[] = {
      {"/dev/ttyUSB0", DeviceKind::kTty, "", 0, {}, Rs485Mode::kOff, {}, "/dev/ttyUSB0"},
      {"sim", DeviceKind::kSimulated, "", 0, {}, Rs485Mode::kOff, {}, "sim"},
      {"/dev/ttyS1,echo=on,rs485",
       DeviceKind::kTty,
       "",
       0,
       EchoMode::kOn,
       Rs485Mode::kRtsHigh,
       {},
       "/dev/ttyS1,echo=on,rs485"},
      {"/dev/ttyS1, rs485=rts-low , echo=off",
       DeviceKind::kTty,
       "",
       0,
       EchoMode::kOff,
       Rs485Mode::kRtsLow,
       {},
       "/dev/ttyS1,echo=off,rs485=rts-low"},
      {"/dev/ttyS2,rs485=rts-high", DeviceKind::kTty, "", 0, {}, Rs485Mode::kRtsHigh, {}, "/dev/ttyS2,rs485"},
      {"sim,echo=auto", DeviceKind::kSimulated, "", 0, EchoMode::kAuto, Rs485Mode::kOff, {}, "sim,echo=auto"},
      {"tcp://10.0.0.5:4001",
       DeviceKind::kTcp,
       "10.0.0.5",
       4001,
       {},
       Rs485Mode::kOff,
       9600,
       "tcp://10.0.0.5:4001"},
      {"tcp://plc-3.local:4001,baud=4800,echo=auto", DeviceKind::kTcp, "plc-3.local", 4001, EchoMode::kAuto,
       Rs485Mode::kOff, 4800, "tcp://plc-3.local:4001,echo=auto,baud=4800"},
      {"rfc2217://[::1]:2217",
       DeviceKind::kRfc2217,
       "::1",
       2217,
       {},
       Rs485Mode::kOff,
       {},
       "rfc2217://[::1]:2217"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto parsed = ParsePortTarget(c.text);
    ASSERT_TRUE(parsed.target) << parsed.error;
    const PortTarget& t = *parsed.target;
    EXPECT_EQ(t.kind, c.kind);
    EXPECT_EQ(t.host, c.host);
    EXPECT_EQ(t.tcp_port, c.tcp_port);
    EXPECT_EQ(t.echo, c.echo);
    EXPECT_EQ(t.rs485, c.rs485);
    EXPECT_EQ(t.FixedBaud(), c.fixed_baud);
    EXPECT_EQ(t.ToText(), c.written);
    EXPECT_EQ(ParsePortTarget(t.ToText()).target, t) << "what is written reads back the same";
  }
}

TEST(PortTarget, RefusesWhatItCannotReadAndSaysWhatIsWrong) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "names no device"},
      {" ,echo=on", "names no device"},
      {"/dev/ttyS0,echo=maybe", "echo is auto, on or off"},
      {"/dev/ttyS0,parity=n", "unknown option \"parity=n\""},
      {"/dev/ttyS0,echo=on,echo=off", "echo is given twice"},
      {"/dev/ttyS0,,echo=on", "empty option"},
      {"/dev/ttyS0,echo=on,", "empty option"},
      {"/dev/ttyS0,rs485=sideways", "rs485 or rs485=rts-low"},
      {"/dev/ttyS0,baud=9600", "baud= is for a tcp:// server"},
      {"sim,rs485", "rs485 is for a serial device"},
      {"tcp://10.0.0.5:4001,rs485", "rs485 is for a serial device"},
      {"rfc2217://10.0.0.5:2217,baud=9600", "baud= is for a tcp:// server"},
      {"tcp://10.0.0.5:4001,baud=fast", "baud=N"},
      {"tcp://10.0.0.5:4001,baud=0", "baud=N"},
      {"tcp://10.0.0.5", "no port number"},
      {"tcp://10.0.0.5:", "bad port number \"\""},
      {"tcp://10.0.0.5:0", "bad port number \"0\""},
      {"tcp://10.0.0.5:70000", "bad port number \"70000\""},
      {"tcp://10.0.0.5:40x1", "bad port number \"40x1\""},
      {"tcp://10.0.0.5:4001/", "bad port number \"4001/\""},
      {"tcp://:4001", "no host name"},
      {"rfc2217://a:b:2217", "is not HOST:PORT"},
      {"rfc2217://[::1]2217", "needs HOST:PORT"},
      {"rfc2217://[::1", "needs HOST:PORT"},
      {"ftp://10.0.0.5:21", "unknown kind of device"},
  };
  for (const auto& [text, named] : cases) {
    const auto parsed = ParsePortTarget(text);
    EXPECT_FALSE(parsed.target) << text;
    EXPECT_NE(parsed.error.find(named), std::string::npos) << text << ": " << parsed.error;
  }
}

}  // namespace
