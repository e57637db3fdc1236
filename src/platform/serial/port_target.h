#pragma once
// What a port number maps to: a device and the options of its line, written
// "DEVICE[,OPTION]..." on the command line (--port N=TARGET), in the settings store
// (Ports/COMn) and in the port-mapping dialogs.
//   DEVICE  a tty path ("/dev/ttyUSB0"), "sim" (the built-in simulated bus),
//           "tcp://HOST:PORT" (a raw stream to a serial device server, fixed line speed)
//           or "rfc2217://HOST:PORT" (Telnet with RFC 2217: the line is set remotely).
//   OPTION  "echo=auto|on|off", "rs485" or "rs485=rts-low", "baud=N" (tcp:// only).
// A bare path or "sim", as stored before options existed, keeps its meaning.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class DeviceKind { kTty, kSimulated, kTcp, kRfc2217 };

// What the adapter does with what is sent: `kOn` hears every byte back, `kAuto` may echo
// a whole request, `kOff` never echoes. Unset: the program's own default (Dravon auto,
// Pemliq off).
enum class EchoMode { kAuto, kOn, kOff };

// Linux kernel RS-485 mode: the driver raises RTS (or lowers it) while sending.
enum class Rs485Mode { kOff, kRtsHigh, kRtsLow };

struct PortTarget {
  std::string device;  // as written: "/dev/ttyUSB0", "sim", "tcp://10.0.0.5:4001"
  DeviceKind kind = DeviceKind::kTty;
  std::string host;  // tcp:// and rfc2217:// only
  int tcp_port = 0;  // tcp:// and rfc2217:// only
  std::optional<EchoMode> echo;
  Rs485Mode rs485 = Rs485Mode::kOff;
  std::optional<int> fixed_baud;  // baud=N, tcp:// only; the server's line speed

  // The options as written back, in a fixed order ("echo=on,rs485"); "" when none.
  std::string OptionsText() const;
  // DEVICE followed by its options: what ParsePortTarget reads back to the same target.
  std::string ToText() const;
  // The fixed line speed of a tcp:// server (baud= or 9600); nullopt on every other kind.
  std::optional<int> FixedBaud() const;

  friend bool operator==(const PortTarget&, const PortTarget&) = default;
};

struct PortTargetParse {
  std::optional<PortTarget> target;
  std::string error;  // what is wrong, for the user, when `target` is empty
};

// The kind of device a DEVICE text names, by its scheme alone (a text being typed too).
DeviceKind KindOfDevice(std::string_view device);

// Reads "DEVICE[,OPTION]...". An empty text, an unknown or repeated option, an option
// that does not fit the device, a bad port number or a malformed URL is refused with a
// message naming what is wrong.
PortTargetParse ParsePortTarget(std::string_view text);

}  // namespace platform
