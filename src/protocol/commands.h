#pragma once
// Command mnemonics of the transmitter bus, sent exactly as written here.

#include <string_view>

namespace protocol::cmd {

inline constexpr std::string_view kBroadcastAddress = "AA";  // every transmitter applies, none answers

inline constexpr std::string_view kAddress = "AD";        // read; with two digits: set
inline constexpr std::string_view kBaud = "BD";           // + index 0..3 (1200..9600)
inline constexpr std::string_view kType = "TY";           // read; with text: write
inline constexpr std::string_view kSerial = "ID";         // read; with text: write
inline constexpr std::string_view kVersion = "VR";
inline constexpr std::string_view kUnit = "UT";           // 0..12
inline constexpr std::string_view kDecimalPoint = "DP";   // 0..4
inline constexpr std::string_view kRangeLow = "DL";
inline constexpr std::string_view kRangeHigh = "DH";
inline constexpr std::string_view kLimitLow = "SL";       // version "2.00" only
inline constexpr std::string_view kLimitHigh = "SH";      // version "2.00" only
inline constexpr std::string_view kLimitUnit = "FU";      // version "2.00" only
inline constexpr std::string_view kOutputLow = "OL";      // pressure at 4 mA
inline constexpr std::string_view kOutputHigh = "OH";     // pressure at 20 mA
inline constexpr std::string_view kTrimLow = "ZF";        // 4 mA trim, "+0012" / "-0150"
inline constexpr std::string_view kTrimHigh = "FF";       // 20 mA trim
inline constexpr std::string_view kReadPressure = "RP0";
inline constexpr std::string_view kReadTemperature = "RT0";
inline constexpr std::string_view kZero = "SZ";
inline constexpr std::string_view kStoreFactory = "WF";
inline constexpr std::string_view kStoreUser = "WU";
inline constexpr std::string_view kRestoreFactory = "LD";

inline constexpr std::string_view kOk = "OK";  // the value of an action's confirmation

}  // namespace protocol::cmd
