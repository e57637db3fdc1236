// The settings file: what a person may write, what is refused and with which line.
#include "config/settings_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using config::ReadSettingsFile;
using config::StoreArea;
using config::TransmitterSettings;

constexpr const char* kGood =
    "[Transmitter]\n"
    "Unit=4\n"
    "DecimalPoint=1\n"
    "RangeLow=+000.0\n"
    "RangeHigh=+100.0\n"
    "Output4mA=+000.0\n"
    "Output20mA=+100.0\n"
    "Store=user\n";

// kGood with one line replaced (line numbers stay as in kGood).
std::string With(const std::string& from, const std::string& to) {
  std::string text = kGood;
  text.replace(text.find(from), from.size(), to);
  return text;
}

TEST(SettingsFile, AFileAPersonWroteReadsAsWrittenAndTheWriterGivesItBack) {
  const TransmitterSettings expected{4, 1, "+000.0", "+100.0", "+000.0", "+100.0", StoreArea::kUser};
  const std::string edited =
      "\xEF\xBB\xBF; batch 17\r\n\r\n# order 4711\r\n[ Transmitter ]\r\n  Unit = 4 \r\nDecimalPoint=1\r\n"
      "RangeLow=+000.0\r\nRangeHigh=+100.0\r\nOutput4mA=+000.0\r\nOutput20mA=+100.0\r\nStore=user";
  for (const std::string& text : {std::string(kGood), edited}) {
    const auto read = ReadSettingsFile(text);
    ASSERT_TRUE(read.settings) << read.error;
    EXPECT_EQ(*read.settings, expected);
  }
  const TransmitterSettings other{12, 0, "-5", "12.3456", ".5", "99999", StoreArea::kNone};
  const std::string written = config::WriteSettingsFile(other, "地址 01\n型号 86000000");
  EXPECT_EQ(written.rfind("; 地址 01 型号 86000000\n", 0), 0u) << written;
  const auto again = ReadSettingsFile(written);
  ASSERT_TRUE(again.settings) << again.error;
  EXPECT_EQ(*again.settings, other);
}

TEST(SettingsFile, AnyFaultRefusesTheWholeFileNamingItsLine) {
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {With("Unit=4", "Unit=13"), "第 2 行：Unit 应为 0 到 12 的整数，而不是“13”"},
      {With("Unit=4", "Unit=-1"), "第 2 行：Unit 应为 0 到 12 的整数"},
      {With("Unit=4", "Unit=4.0"), "第 2 行：Unit 应为"},
      {With("DecimalPoint=1", "DecimalPoint=5"), "第 3 行：DecimalPoint 应为 0 到 4 的整数"},
      {With("RangeLow=+000.0", "RangeLow=12,5"), "第 4 行：RangeLow 不是数字：“12,5”"},
      {With("RangeHigh=+100.0", "RangeHigh="), "第 5 行：RangeHigh 不是数字"},
      {With("Output4mA=+000.0", "Output4mA=1e3"), "第 6 行：Output4mA 不是数字"},
      {With("Output20mA=+100.0", "Output20mA=123456789012345678"), "第 7 行：Output20mA 超出范围"},
      {With("Output20mA=+100.0", "Output20mA=+00000000009999.9"), "第 7 行：Output20mA 超出范围"},
      // The transmitter's field: five digits with the file's decimal places.
      {With("RangeLow=+000.0", "RangeLow=99999999999"),
       "第 4 行：RangeLow 超出变送器能保存的范围：“99999999999”（1 位小数时最大为 9999.9）"},
      {With("Output4mA=+000.0", "Output4mA=-9999.96"), "第 6 行：Output4mA 超出变送器能保存的范围"},
      {With("DecimalPoint=1", "DecimalPoint=4"),
       "第 5 行：RangeHigh 超出变送器能保存的范围：“+100.0”（4 位小数时最大为 9.9999）"},
      {"[Transmitter]\nRangeHigh=123456\nUnit=4\nDecimalPoint=0\nRangeLow=0\nOutput4mA=0\nOutput20mA=0\n"
       "Store=none\n",
       "第 2 行：RangeHigh 超出变送器能保存的范围：“123456”（0 位小数时最大为 99999）"},
      {With("Store=user", "Store=User"), "第 8 行：Store 应为 user、factory 或 none"},
      {With("Store=user", "Store=user\nColour=blue"), "第 9 行：未知的键“Colour”"},
      {With("Store=user", "Store=none\nUnit=3"), "第 9 行：键 Unit 重复（第 2 行已给出）"},
      {With("Store=user", ""), "第 1 行：[Transmitter] 节缺少键 Store"},
      {With("Store=user", "Store user"), "第 8 行：不是“键=值”的形式"},
      {With("[Transmitter]", "[Sender]"), "第 1 行：未知的节“Sender”"},
      {With("[Transmitter]", "[Transmitter"), "第 1 行：节名缺少“]”"},
      {With("[Transmitter]", "Unit=4\n[Transmitter]"), "第 1 行：键“Unit”在 [Transmitter] 节之前"},
      {With("Store=user", "Store=user\n[Transmitter]"), "第 9 行：[Transmitter] 节重复（第 1 行已有）"},
      {With("Unit=4", "Unit=\x01\xff"), "第 2 行：Unit 应为 0 到 12 的整数，而不是（无法显示的文字）"},
      {"", "文件中没有 [Transmitter] 节"},
      {"\x89PNG\r\n\x1a\n", "第 1 行：不是“键=值”的形式：（无法显示的文字）"},
      // The station's section: lines 9 and on.
      {std::string(kGood) + "[Station]\nLastAddress=09\n", "第 9 行：[Station] 节缺少键 FirstAddress"},
      {std::string(kGood) + "[Station]\nFirstAddress=00\nLastAddress=09\n",
       "第 10 行：FirstAddress 应为 01 到 99 的地址，而不是“00”"},
      {std::string(kGood) + "[Station]\nFirstAddress=02\nLastAddress=100\n",
       "第 11 行：LastAddress 应为 01 到 99"},
      {std::string(kGood) + "[Station]\nFirstAddress=05\nLastAddress=04\n",
       "第 11 行：LastAddress 不能小于 FirstAddress"},
      {std::string(kGood) + "[Station]\nFirstAddress=02\nLastAddress=09\nBaud=19200\n",
       "第 12 行：Baud 应为 1200、2400、4800 或 9600，而不是“19200”"},
      {std::string(kGood) + "[Station]\nFirstAddress=01\nLastAddress=09\n",
       "第 9 行：ProbeAddress 01 不能在 FirstAddress 到 LastAddress 之间"},
  };
  for (const auto& c : cases) {
    const auto read = ReadSettingsFile(c.text);
    EXPECT_FALSE(read.settings) << c.text;
    EXPECT_EQ(read.error.rfind(c.message, 0), 0u) << read.error << "\nexpected: " << c.message;
  }
}

TEST(SettingsFile, TheStationSectionIsOptionalAndFillsInTheFactoryProbePlace) {
  const struct {
    std::string section;
    std::optional<config::StationSettings> station;
  } cases[] = {
      {"", std::nullopt},
      {"[Station]\nFirstAddress=2\nLastAddress=99\n", config::StationSettings{2, 99, std::nullopt, 1, 9600}},
      {"[Station]\nProbeBaud=1200\nProbeAddress=99\nBaud=4800\nLastAddress=98\nFirstAddress=01\n",
       config::StationSettings{1, 98, 4800, 99, 1200}},
  };
  for (const auto& c : cases) {
    const auto read = ReadSettingsFile(std::string(kGood) + c.section);
    ASSERT_TRUE(read.settings) << c.section << read.error;
    EXPECT_EQ(read.station, c.station) << c.section;
  }
}

TEST(SettingsFile, PressuresUpToTheLongestTextAndTheFieldsLargestValueAreTaken) {
  const struct {
    std::string from, to, kept;
  } cases[] = {
      {"RangeHigh=+100.0", "RangeHigh=+0000000009999.9", "+0000000009999.9"},  // the longest text taken
      {"RangeLow=+000.0", "RangeLow=-9999.94", "-9999.94"},                    // rounds to -9999.9
      {"DecimalPoint=1", "DecimalPoint=2", "+100.0"},                          // +100.00: five digits
  };
  for (const auto& c : cases) {
    const auto read = ReadSettingsFile(With(c.from, c.to));
    ASSERT_TRUE(read.settings) << c.to << ": " << read.error;
    EXPECT_TRUE(read.settings->range_low == c.kept || read.settings->range_high == c.kept) << c.to;
  }
}

}  // namespace
