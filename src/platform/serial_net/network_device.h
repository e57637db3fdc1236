#pragma once
// A port whose line hangs off a serial device server: "tcp://HOST:PORT" (a raw stream at
// the server's fixed line speed) or "rfc2217://HOST:PORT" (Telnet with RFC 2217: the
// line settings are set on the server, and discards purge its buffers). The programs
// only connect out, to the host the user named.
//
// A lost connection fails like an unplugged adapter: every later operation reports it
// until the port is closed; the next open connects again.

#include <memory>
#include <optional>

#include "platform/serial/line_settings.h"
#include "platform/serial/port_target.h"
#include "platform/serial/serial_device.h"
#include "platform/serial_net/gensio_link.h"

namespace platform {

// The line settings as the server is asked for them; nullopt for what RFC 2217 cannot
// carry (data bits outside 5..8, an unknown parity or stop bits).
std::optional<RemoteLine> ToRemoteLine(const LineSettings& settings);

// Connects to the server of a kTcp or kRfc2217 target; null with `error` filled when it
// cannot be reached (or the target is of another kind).
std::unique_ptr<SerialDevice> OpenNetworkDevice(const PortTarget& target, PortError& error);

}  // namespace platform
