#include "platform/serial_net/gensio_link.h"

#include <gensio/gensio.h>
#include <gensio/gensio_os_funcs_public.h>
#include <gensio/sergensio.h>

#include <chrono>
#include <utility>

namespace platform {

namespace {

using Steady = std::chrono::steady_clock;

gensio_time Wait(std::chrono::milliseconds ms) {
  const auto count = ms.count() < 0 ? 0 : ms.count();
  return {static_cast<std::int64_t>(count / 1000), static_cast<std::int32_t>((count % 1000) * 1000000)};
}

// What an open or a close ends with, for the wait on it.
struct Completion {
  gensio_os_funcs* os;
  gensio_waiter* waiter;
  bool done = false;
  int error = 0;
};

void OpenDone(gensio*, int err, void* data) {
  auto* done = static_cast<Completion*>(data);
  done->error = err;
  done->done = true;
  gensio_os_funcs_wake(done->os, done->waiter);
}

void CloseDone(gensio*, void* data) {
  auto* done = static_cast<Completion*>(data);
  done->done = true;
  gensio_os_funcs_wake(done->os, done->waiter);
}

// How long an abandoned connect may take to wind down.
constexpr std::uint32_t kAbandonWaitMs = 1000;

}  // namespace

GensioLink::GensioLink(Kind kind, gensio_os_funcs* os)
    : kind_(kind), os_(os), waiter_(gensio_os_funcs_alloc_waiter(os)) {}

std::unique_ptr<GensioLink> GensioLink::Connect(Kind kind, const std::string& host, int port,
                                                std::uint32_t max_wait_ms, std::string& error) {
  gensio_os_funcs* os = nullptr;
  // One thread uses the link, so no wake-up signal is needed (0).
  if (int rv = gensio_default_os_hnd(0, &os)) {
    error = gensio_err_to_str(rv);
    return nullptr;
  }
  std::unique_ptr<GensioLink> link(new GensioLink(kind, os));
  // nodelay: a request goes out as a small write of its own, over RFC 2217 right after
  // the purges; with Nagle's rule it would wait until the server acknowledged those,
  // which a server may put off for up to 40 ms.
  const std::string address =
      std::string(kind == Kind::kRfc2217 ? "telnet(rfc2217),tcp(nodelay)," : "tcp(nodelay),") + host + "," +
      std::to_string(port);
  if (int rv = link->Open(address, max_wait_ms)) {
    error = gensio_err_to_str(rv);
    return nullptr;
  }
  return link;
}

template <typename Done>
bool GensioLink::RunUntil(Done done, std::uint32_t max_wait_ms) {
  const auto deadline = Steady::now() + std::chrono::milliseconds(max_wait_ms);
  // Each event handler wakes the waiter, so every pass handles at least one event or
  // ends the wait: no pass spins.
  while (!done()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
    if (left.count() <= 0) return false;
    gensio_time wait = Wait(left);
    gensio_os_funcs_wait(os_, waiter_, 1, &wait);
  }
  return true;
}

int GensioLink::OnEvent(gensio*, void* self, int event, int err, unsigned char* buf, gensiods* buflen,
                        const char* const*) {
  auto* link = static_cast<GensioLink*>(self);
  switch (event) {
    case GENSIO_EVENT_READ:
      if (err) {
        link->lost_ = true;  // the server closed, or the network failed
        gensio_set_read_callback_enable(link->io_, false);
      } else {
        link->received_.append(reinterpret_cast<const char*>(buf), *buflen);
      }
      break;
    case GENSIO_EVENT_WRITE_READY:
      link->write_ready_ = true;
      gensio_set_write_callback_enable(link->io_, false);
      break;
    default:
      return GE_NOTSUP;  // modem and line state reports: nothing here uses them
  }
  gensio_os_funcs_wake(link->os_, link->waiter_);
  return 0;
}

int GensioLink::Open(const std::string& address, std::uint32_t max_wait_ms) {
  if (!waiter_) return GE_NOMEM;
  if (int rv = str_to_gensio(address.c_str(), os_, OnEvent, this, &io_)) return rv;
  Completion opened{os_, waiter_};
  if (int rv = gensio_open(io_, OpenDone, &opened)) return rv;
  if (!RunUntil([&] { return opened.done; }, max_wait_ms)) {
    // An unanswered connect is abandoned; its own completion still comes.
    Completion closed{os_, waiter_};
    if (gensio_close(io_, CloseDone, &closed) == 0) RunUntil([&] { return closed.done; }, kAbandonWaitMs);
    return GE_TIMEDOUT;
  }
  if (opened.error) return opened.error;
  open_ = true;
  gensio_set_read_callback_enable(io_, true);
  if (kind_ == Kind::kRfc2217) {
    sergensio* serial = gensio_to_sergensio(io_);
    if (!serial) return GE_NOTSUP;
    if (int rv = sergensio_b_alloc(serial, os_, &serial_)) return rv;
  }
  return 0;
}

GensioLink::~GensioLink() {
  if (serial_) sergensio_b_free(serial_);
  if (io_) {
    if (open_) gensio_close_s(io_);
    gensio_free(io_);
  }
  if (waiter_) gensio_os_funcs_free_waiter(os_, waiter_);
  gensio_os_funcs_free(os_);
}

LinkResult GensioLink::Write(std::string_view bytes, std::uint32_t max_wait_ms) {
  const auto deadline = Steady::now() + std::chrono::milliseconds(max_wait_ms);
  while (!bytes.empty()) {
    if (lost_) return LinkResult::kLost;
    gensiods count = 0;
    if (gensio_write(io_, &count, bytes.data(), bytes.size(), nullptr)) return LinkResult::kLost;
    bytes.remove_prefix(count);
    if (bytes.empty()) break;
    // The socket is full: wait for room.
    write_ready_ = false;
    gensio_set_write_callback_enable(io_, true);
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
    if (left.count() <= 0 || !RunUntil([this] { return write_ready_ || lost_; }, left.count()))
      return LinkResult::kLost;
  }
  return LinkResult::kOk;
}

LinkResult GensioLink::Read(std::string& out, std::uint32_t max_wait_ms) {
  if (received_.empty() && !lost_) {
    if (max_wait_ms == 0) {
      gensio_time now{0, 0};
      gensio_os_funcs_service(os_, &now);  // takes what the network has brought already
    } else {
      RunUntil([this] { return !received_.empty() || lost_; }, max_wait_ms);
    }
  }
  out += received_;
  received_.clear();
  return lost_ ? LinkResult::kLost : LinkResult::kOk;
}

LinkResult GensioLink::SetLine(const RemoteLine& line, std::uint32_t max_wait_ms) {
  if (!serial_) return LinkResult::kRefused;
  // Each value is sent and the server's answer (the value it now uses) awaited.
  using Setter = int (*)(sergensio_b*, int*, gensio_time*);
  const std::pair<Setter, int> steps[] = {{sergensio_baud_b_timeout, line.baud},
                                          {sergensio_parity_b_timeout, line.parity},
                                          {sergensio_datasize_b_timeout, line.data_bits},
                                          {sergensio_stopbits_b_timeout, line.stop_bits}};
  for (const auto& [set, wanted] : steps) {
    int value = wanted;
    gensio_time wait = Wait(std::chrono::milliseconds(max_wait_ms));
    const int rv = set(serial_, &value, &wait);
    if (lost_) return LinkResult::kLost;
    if (rv == GE_TIMEDOUT) return LinkResult::kRefused;
    if (rv) return LinkResult::kLost;
    if (value != wanted) return LinkResult::kRefused;  // the server kept another value
  }
  return LinkResult::kOk;
}

LinkResult GensioLink::Purge(bool received, bool to_transmit) {
  const unsigned int what =
      (received ? SERGENSIO_FLUSH_RCV_BUFFER : 0u) | (to_transmit ? SERGENSIO_FLUSH_XMIT_BUFFER : 0u);
  if (lost_) return LinkResult::kLost;
  if (!serial_ || what == 0) return LinkResult::kOk;
  return sergensio_flush(gensio_to_sergensio(io_), what) == 0 ? LinkResult::kOk : LinkResult::kLost;
}

}  // namespace platform
