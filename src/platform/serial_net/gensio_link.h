#pragma once
// One outgoing connection to a serial device server through libgensio: a raw TCP stream,
// or Telnet with RFC 2217, which also carries the line settings and buffer purges. The
// library speaks the Telnet protocol, so no byte from the network is parsed here.
// Every call is bounded by its wait and blocks in the library's own poll, never spins.
// Used from one thread at a time.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct gensio;
struct gensio_os_funcs;
struct gensio_waiter;
struct sergensio_b;

namespace platform {

// The line as RFC 2217 states it: parity 1 none, 2 odd, 3 even, 4 mark, 5 space; stop
// bits 1 one, 2 two, 3 one and a half.
struct RemoteLine {
  int baud = 9600;
  int parity = 1;
  int data_bits = 8;
  int stop_bits = 1;
  friend bool operator==(const RemoteLine&, const RemoteLine&) = default;
};

// How a call on the link ended: done; the server did not take a line setting (it kept
// another value, or never answered for it); or the connection is gone.
enum class LinkResult { kOk, kRefused, kLost };

class GensioLink {
 public:
  enum class Kind { kRawTcp, kRfc2217 };

  // Connects to `host`:`port`, waiting at most `max_wait_ms`. Null with `error` set to
  // the library's reason ("Connection refused", "Timed out") on failure.
  static std::unique_ptr<GensioLink> Connect(Kind kind, const std::string& host, int port,
                                             std::uint32_t max_wait_ms, std::string& error);
  ~GensioLink();
  GensioLink(const GensioLink&) = delete;
  GensioLink& operator=(const GensioLink&) = delete;

  // Sends every byte; the connection counts as lost when that takes over `max_wait_ms`.
  LinkResult Write(std::string_view bytes, std::uint32_t max_wait_ms);
  // Appends what arrives within `max_wait_ms` (0: only what is here now) to `out`.
  // Nothing arriving is not an error.
  LinkResult Read(std::string& out, std::uint32_t max_wait_ms);
  // RFC 2217 only: asks the server for the line and waits at most `max_wait_ms` for each
  // answer. Modem lines (DTR, RTS) are never touched: a server whose port has none would
  // not answer for them.
  LinkResult SetLine(const RemoteLine& line, std::uint32_t max_wait_ms);
  // RFC 2217: the server drops what it has received and not yet sent on (`received`),
  // and what it holds to transmit (`to_transmit`). Returns at once. A raw stream has
  // nothing to ask for.
  LinkResult Purge(bool received, bool to_transmit);

  Kind kind() const { return kind_; }

 private:
  GensioLink(Kind kind, gensio_os_funcs* os);
  int Open(const std::string& address, std::uint32_t max_wait_ms);
  // Runs the library's events until `done` holds or `max_wait_ms` has passed; false on
  // the time-out.
  template <typename Done>
  bool RunUntil(Done done, std::uint32_t max_wait_ms);
  // The library's report of what happened on the connection (bytes, room to write, the
  // end of the stream).
  static int OnEvent(gensio* io, void* self, int event, int err, unsigned char* buf, unsigned long* buflen,
                     const char* const* auxdata);

  Kind kind_;
  gensio_os_funcs* os_ = nullptr;
  gensio_waiter* waiter_ = nullptr;
  gensio* io_ = nullptr;
  sergensio_b* serial_ = nullptr;
  bool open_ = false;
  bool lost_ = false;
  bool write_ready_ = false;
  std::string received_;  // bytes the library handed over, not yet read
};

}  // namespace platform
