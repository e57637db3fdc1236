// The port's traffic as records: what a port reports to its recorder, the JSON line each
// record becomes, the trace file read back, and the bound on what the window keeps.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/serial/serial_port.h"
#include "platform/serial/trace_file.h"
#include "platform/serial/trace_json.h"
#include "platform/serial/traffic_log.h"
#include "platform/serial/traffic_recorder.h"
#include "tests/support/scripted_device.h"

namespace {

using platform::TrafficRecord;

// 2026-12-08T10:03:04.000 UTC.
constexpr std::int64_t kWallOrigin = 1796724184000;

// Keeps every record it is given.
struct Collect final : platform::TrafficSink {
  void Take(const TrafficRecord& record) override { records.push_back(record); }
  std::vector<TrafficRecord> records;
};

struct TraceFixture : ::testing::Test {
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    recorder.AddSink(sink);
  }
  // The JSON of every record after the time fields: `"port": ...` onwards.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const TrafficRecord& r : sink.records) {
      const std::string line = platform::TraceLine(r);
      lines.push_back("{" + line.substr(line.find("\"port\"")));
    }
    return lines;
  }

  platform::VirtualClock clock{kWallOrigin};
  testing_support::ScriptedDevice* device = nullptr;
  platform::SerialPort port{[this](int n, platform::PortError& e) -> std::unique_ptr<platform::SerialDevice> {
                              if (n > 2) {
                                e = {platform::kErrDeviceUnavailable, "no such device", ""};
                                return nullptr;
                              }
                              auto d = std::make_unique<testing_support::ScriptedDevice>(clock);
                              device = d.get();
                              return d;
                            },
                            "MSComm1"};
  platform::TrafficRecorder recorder{clock, [](int n) { return "/dev/ttyS" + std::to_string(n - 1); }};
  Collect sink;
};

TEST_F(TraceFixture, EveryPortOperationBecomesOneRecordInOrder) {
  port.set_recorder(&recorder);
  port.set_settings("4800,N,8,1");
  port.set_settings("4800,n,8,1");  // unchanged: nothing new to tell
  port.set_port_open(true);
  device->ReplyToNextWrite(20, "*01\x81\r");
  port.DiscardInput();
  port.DiscardOutput();
  port.Write("$01RP0\r");
  clock.advance_ms(25);
  std::string in;
  port.Read(in);
  port.Read(in);  // nothing new: no record
  port.RecordExchange("01", "RP0", "*01\r");
  port.set_port_open(false);
  port.Write("x");
  port.set_comm_port(3);
  port.set_port_open(true);

  const std::vector<std::string> expected = {
      R"({"port": 1, "device": "/dev/ttyS0", "event": "settings", "settings": "4800,n,8,1"})",
      R"({"port": 1, "device": "/dev/ttyS0", "event": "open", "settings": "4800,n,8,1"})",
      R"({"port": 1, "device": "/dev/ttyS0", "event": "discard_in", "settings": "4800,n,8,1"})",
      R"({"port": 1, "device": "/dev/ttyS0", "event": "discard_out", "settings": "4800,n,8,1"})",
      R"({"port": 1, "dir": "tx", "text": "$01RP0\r", "hex": "24 30 31 52 50 30 0D"})",
      // 0x81 alone is no GBK character: the text shows U+FFFD, the hex keeps the byte.
      R"({"port": 1, "dir": "rx", "text": "*01�\r", "hex": "2A 30 31 81 0D"})",
      R"({"port": 1, "exchange": {"address": "01", "command": "RP0", "sent": "$01RP0\r", "received": "*01�\r", )"
      R"("result": "*01\r", "ms": 25.0}})",
      R"({"port": 1, "device": "/dev/ttyS0", "event": "close", "settings": "4800,n,8,1"})",
      R"({"port": 1, "device": "/dev/ttyS0", "event": "error", "settings": "4800,n,8,1", )"
      R"("error": "端口未打开"})",
      R"({"port": 3, "device": "/dev/ttyS2", "event": "error", "settings": "4800,n,8,1", "error": "no such device"})",
  };
  EXPECT_EQ(Lines(), expected);
  EXPECT_TRUE(sink.records.back().failed());
  EXPECT_FALSE(sink.records[6].failed()) << "a good reply";
}

TEST_F(TraceFixture, RecordsCarryTheClockAndAnExchangeWithoutAWriteShowsNoOldBytes) {
  port.set_port_open(true);  // opened before anyone records: its bytes are recorded from then on
  clock.advance_ms(1500);
  port.set_recorder(&recorder);
  port.Write("$02AD\r");
  port.RecordExchange("02", "AD", "ERR 0\r");
  port.RecordExchange("数", "AD", "没有起始符!", true);
  ASSERT_EQ(sink.records.size(), 3u);
  const std::string line = platform::TraceLine(sink.records[0]);
  EXPECT_EQ(line.substr(0, 50), R"({"t": 1500000, "time": "2026-12-08T10:03:05.500", )");
  EXPECT_EQ(sink.records[0].device, "/dev/ttyS0") << "bytes carry the device and settings in memory";
  EXPECT_EQ(sink.records[0].settings, "9600,n,8,1");
  const std::vector<std::string> lines = Lines();
  EXPECT_EQ(lines[2],
            R"({"port": 1, "exchange": {"address": "数", "command": "AD", "sent": "", "received": "", )"
            R"("verdict": "没有起始符!", "ms": 0.0}})");
  EXPECT_TRUE(sink.records[1].failed());
  EXPECT_TRUE(sink.records[2].failed());
}

TEST_F(TraceFixture, AReopenedPortIsNamedByTheDeviceItOpensNowAndAnExchangeKeepsItsBound) {
  std::string device = "/dev/ttyUSB0";
  platform::TrafficRecorder usb{clock, [&device](int) { return device; }};
  usb.AddSink(sink);
  const std::string stream(platform::kMostExchangeBytes + 100, 'x');
  usb.Event(1, platform::PortEvent::kOpen, "9600,n,8,1");
  usb.Bytes(1, platform::Direction::kTx, stream, "9600,n,8,1");
  usb.Bytes(1, platform::Direction::kRx, "*" + stream, "9600,n,8,1");
  usb.Bytes(1, platform::Direction::kRx, "more", "9600,n,8,1");
  usb.Exchange(1, "01", "RP0", "EER 3\r", false);
  usb.Event(1, platform::PortEvent::kClose, "9600,n,8,1");
  device = "/dev/ttyUSB1";  // the mapping changed while the port was closed
  usb.Event(1, platform::PortEvent::kOpen, "9600,n,8,1");
  usb.Bytes(1, platform::Direction::kTx, "$01RP033\r", "9600,n,8,1");

  std::vector<std::string> devices;
  for (const TrafficRecord& r : sink.records) devices.push_back(r.device);
  const std::vector<std::string> expected{"/dev/ttyUSB0", "/dev/ttyUSB0", "/dev/ttyUSB0", "/dev/ttyUSB0",
                                          "/dev/ttyUSB0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB1"};
  EXPECT_EQ(devices, expected);
  const platform::ExchangeSummary& e = sink.records[4].exchange;
  EXPECT_EQ(e.sent, stream.substr(0, platform::kMostExchangeBytes));
  EXPECT_EQ(e.received, ("*" + stream).substr(0, platform::kMostExchangeBytes));
  EXPECT_EQ(sink.records[2].bytes.size(), stream.size() + 1) << "the bytes themselves are all recorded";
}

TEST(TrafficLog, KeepsTheNewestRecordsUpToItsBoundAndNumbersThem) {
  platform::TrafficLog log(3);
  int told = 0;
  log.set_on_record([&told] { ++told; });
  for (int i = 1; i <= 5; ++i) {
    TrafficRecord r;
    r.port = i;
    log.Take(r);
  }
  EXPECT_EQ(told, 5);
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log.first_number(), 2u);
  EXPECT_EQ(log.next_number(), 5u);
  EXPECT_EQ(log.At(2).port, 3);
  EXPECT_EQ(log.At(4).port, 5);
  log.Clear();
  EXPECT_EQ(log.size(), 0u);
  EXPECT_EQ(log.first_number(), 5u) << "numbers go on after a clear";
  EXPECT_EQ(platform::TrafficLog().size(), 0u);
}

// A reply that a slow line hands on a byte or two at a time becomes one record in a
// gathering log: up to its CR, or until the line was quiet for five character times
// (41.7 ms at 1200 baud), never less than 20 ms.
TEST(TrafficLog, GathersTheBytesOfOneReplyIntoOneRecord) {
  struct Chunk {
    std::uint64_t after_ms;  // since the chunk before
    platform::Direction dir;
    const char* bytes;
    int port = 1;
    const char* settings = "1200,n,8,1";
  };
  struct Case {
    const char* what;
    std::vector<Chunk> chunks;
    std::vector<std::string> records;
    bool gather = true;
  };
  using platform::Direction;
  const Case cases[] = {
      {"byte by byte at 1200 baud, up to the CR",
       {{0, Direction::kRx, "*"},
        {8, Direction::kRx, "01"},
        {17, Direction::kRx, "+12.5"},
        {8, Direction::kRx, "\r"}},
       {"*01+12.5\r"}},
      {"the CR ends the reply: what follows is the next",
       {{0, Direction::kRx, "*01\r"}, {1, Direction::kRx, "*"}, {8, Direction::kRx, "02\r"}},
       {"*01\r", "*02\r"}},
      {"a quiet line ends the reply",
       {{0, Direction::kRx, "*0"}, {41, Direction::kRx, "1"}, {42, Direction::kRx, "+"}},
       {"*01", "+"}},
      {"at 9600 baud a gap of 20 ms still gathers, 21 ms does not",
       {{0, Direction::kRx, "a", 1, "9600,n,8,1"},
        {20, Direction::kRx, "b", 1, "9600,n,8,1"},
        {21, Direction::kRx, "c", 1, "9600,n,8,1"}},
       {"ab", "c"}},
      {"sent bytes and another port stand on their own rows",
       {{0, Direction::kRx, "*0"},
        {1, Direction::kTx, "$0"},
        {1, Direction::kTx, "1"},
        {1, Direction::kRx, "1"},
        {1, Direction::kRx, "2", 2}},
       {"*0", "$0", "1", "1", "2"}},
      {"a log that does not gather keeps every chunk",
       {{0, Direction::kRx, "*"}, {8, Direction::kRx, "01"}},
       {"*", "01"},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    platform::TrafficLog log(10);
    log.set_gather_received(c.gather);
    int told = 0;
    log.set_on_record([&told] { ++told; });
    std::uint64_t t_us = 1'000'000;
    for (const Chunk& chunk : c.chunks) {
      t_us += chunk.after_ms * 1000;
      TrafficRecord r;
      r.kind = platform::TrafficKind::kBytes;
      r.t_us = t_us;
      r.port = chunk.port;
      r.settings = chunk.settings;
      r.dir = chunk.dir;
      r.bytes = chunk.bytes;
      log.Take(r);
    }
    std::vector<std::string> records;
    for (std::uint64_t n = log.first_number(); n < log.next_number(); ++n) records.push_back(log.At(n).bytes);
    EXPECT_EQ(records, c.records);
    EXPECT_EQ(told, static_cast<int>(c.chunks.size())) << "a view hears of every chunk, gathered or not";
  }
}

TEST(TraceFile, AppendsOneFlushedLinePerRecordAndReportsAnUnwritablePath) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("trace_test_" + std::to_string(getpid()) + ".jsonl");
  std::ofstream(path) << "{\"earlier\": 1}\n";
  std::string error;
  auto file = platform::TraceFile::Open(path.string(), error);
  ASSERT_TRUE(file) << error;
  TrafficRecord bytes;
  bytes.kind = platform::TrafficKind::kBytes;
  bytes.bytes = std::string("\0\x1f\"\\", 4);
  file->Take(bytes);
  std::ifstream in(path);  // read while the file is still open: the line is already there
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].substr(lines[1].find("\"dir\"")),
            R"("dir": "tx", "text": "\u0000\u001f\"\\", "hex": "00 1F 22 5C"})");
  std::filesystem::remove(path);

  EXPECT_FALSE(platform::TraceFile::Open("/nonexistent/dir/t.jsonl", error));
  EXPECT_NE(error.find("/nonexistent/dir/t.jsonl"), std::string::npos) << error;
}

}  // namespace
