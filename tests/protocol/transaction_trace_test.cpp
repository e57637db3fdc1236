// What a transaction leaves in the port's trace, on the simulated bus: the frame, the
// reply, the summary with the result, in the order they happened.
#include <gtest/gtest.h>

#include <vector>

#include "platform/serial/serial_port.h"
#include "platform/serial/traffic_log.h"
#include "platform/serial/traffic_recorder.h"
#include "protocol/frame.h"
#include "protocol/transaction.h"
#include "simbus/demo_bus.h"
#include "simbus/sim_device.h"

namespace {

using platform::Direction;
using platform::TrafficKind;
using platform::TrafficRecord;

struct TracedBus : ::testing::Test {
  void SetUp() override {
    recorder.AddSink(log);
    port.set_recorder(&recorder);
    ASSERT_FALSE(port.set_port_open(true));
    log.Clear();
  }
  // The records since the last call.
  std::vector<TrafficRecord> Taken() {
    std::vector<TrafficRecord> records;
    for (std::uint64_t n = log.first_number(); n < log.next_number(); ++n) records.push_back(log.At(n));
    log.Clear();
    return records;
  }
  std::string Received(const std::vector<TrafficRecord>& records) {
    std::string bytes;
    for (const TrafficRecord& r : records)
      if (r.kind == TrafficKind::kBytes && r.dir == Direction::kRx) bytes += r.bytes;
    return bytes;
  }

  platform::VirtualClock clock;
  std::unique_ptr<simbus::Bus> bus = simbus::MakeDemoBus(clock);
  platform::SerialPort port{
      [this](int, platform::PortError&) { return std::make_unique<simbus::SimDevice>(*bus); }, "MSCommBsq"};
  platform::TrafficRecorder recorder{clock, {}};
  platform::TrafficLog log;
  protocol::Transaction link{port, clock};
};

TEST_F(TracedBus, AnAnsweredTransactionRecordsFrameReplyAndSummaryInTimeOrder) {
  const std::string result = link.Comm_Send("01", "VR");
  const std::vector<TrafficRecord> records = Taken();
  ASSERT_GE(records.size(), 5u);
  EXPECT_EQ(records[0].event, platform::PortEvent::kDiscardIn);
  EXPECT_EQ(records[1].event, platform::PortEvent::kDiscardOut);
  ASSERT_EQ(records[2].kind, TrafficKind::kBytes);
  EXPECT_EQ(records[2].bytes, protocol::BuildRequestFrame("01", "VR"));
  const TrafficRecord& summary = records.back();
  ASSERT_EQ(summary.kind, TrafficKind::kExchange);
  EXPECT_EQ(Received(records), summary.exchange.received) << "every reply byte is in an rx record";
  EXPECT_EQ(summary.exchange.received, protocol::BuildReplyFrame("012.00"));
  EXPECT_EQ(summary.exchange.sent, records[2].bytes);
  EXPECT_EQ(summary.exchange.outcome, result);
  EXPECT_FALSE(summary.failed());
  for (std::size_t i = 1; i < records.size(); ++i) EXPECT_LE(records[i - 1].t_us, records[i].t_us) << i;
  EXPECT_DOUBLE_EQ(summary.exchange.ms, static_cast<double>(summary.t_us - records[2].t_us) / 1000.0);
  EXPECT_GT(summary.exchange.ms, 0.0) << "the reply takes its wire time";
}

TEST_F(TracedBus, ASilentAddressRecordsTheFrameAndAFailedSummaryAtTheTimeOut) {
  EXPECT_EQ(link.Comm_Send("42", "AD"), protocol::kResultNoReply);
  const std::vector<TrafficRecord> records = Taken();
  ASSERT_EQ(records.size(), 4u) << "two discards, the frame, the summary";
  EXPECT_EQ(records[3].exchange.received, "");
  EXPECT_TRUE(records[3].failed());
  EXPECT_NEAR(records[3].exchange.ms, 100.0, 1.0) << "9600 baud waits 100 ms";

  port.set_recorder(nullptr);
  link.Comm_Send("01", "VR");
  EXPECT_EQ(log.size(), 0u) << "a port without a recorder records nothing";
}

}  // namespace
