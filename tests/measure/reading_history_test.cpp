// The history keeps the newest readings up to its bound and gives each back whole.
#include "measure/reading_history.h"

#include <gtest/gtest.h>

namespace {

using measure::Quantity;
using measure::Reading;

Reading Numbered(int i, std::string text = "+0040.0") {
  return {1000 + i,
          i % 2 ? "05" : "01",
          i % 3 ? Quantity::kPressure : Quantity::kTemperature,
          std::move(text),
          i % 4 ? std::optional<double>(i * 0.5) : std::nullopt,
          i % 5 ? "kPa" : "MPa",
          i % 4 == 0};
}

TEST(ReadingHistoryTest, KeepsTheNewestReadingsWholeUpToItsBound) {
  measure::ReadingHistory history(100);
  for (int i = 0; i < 250; ++i) history.Add(Numbered(i));
  EXPECT_EQ(history.size(), 100u);
  EXPECT_EQ(history.added(), 250u);
  for (std::size_t k = 0; k < history.size(); ++k)
    EXPECT_EQ(history.at(k), Numbered(150 + static_cast<int>(k)));
  EXPECT_GE(measure::ReadingHistory::kDayOfPolling, 24u * 3600 * 1000 / 300) << "a day of polling at 300 ms";
}

TEST(ReadingHistoryTest, KeepsTextsOfAnyLengthAndBoundsTheLongOnes) {
  measure::ReadingHistory history;
  const std::string inline_text(18, 'x'), long_text(19, 'y'), huge(4096, 'z');
  history.Add(Numbered(1, inline_text));
  history.Add(Numbered(2, long_text));
  history.Add(Numbered(3, std::string("\0a\r", 3)));
  EXPECT_EQ(history.at(0).text, inline_text);
  EXPECT_EQ(history.at(1).text, long_text);
  EXPECT_EQ(history.at(2).text, std::string("\0a\r", 3));
  const std::size_t many = 2 * measure::ReadingHistory::kLongTextBudget / huge.size();
  for (std::size_t i = 0; i < many; ++i) history.Add(Numbered(static_cast<int>(i), huge));
  EXPECT_LE(history.size() * huge.size(), measure::ReadingHistory::kLongTextBudget + huge.size());
  EXPECT_GT(history.size(), many / 3);
  EXPECT_EQ(history.at(history.size() - 1).text, huge) << "the newest stays";
}

}  // namespace
