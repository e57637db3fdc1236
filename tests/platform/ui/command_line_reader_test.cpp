#include "platform/ui/headless/command_line_reader.h"

#include <gtest/gtest.h>

namespace ui_test {
namespace {

using ui::headless::ReadCommandLine;
using ui::headless::ReadResult;
using ui::headless::Verb;
using Kind = ReadResult::Kind;

TEST(CommandLineReader, SkipsBlankAndCommentLines) {
  for (const char* line : {"", "   ", "\t", "# click cmdSend", "  # indented comment", "\r"}) {
    EXPECT_EQ(ReadCommandLine(line).kind, Kind::kSkip) << line;
  }
}

TEST(CommandLineReader, ArgumentIsTheVerbatimRestAfterOneBlank) {
  ReadResult read = ReadCommandLine("type  Txt_send  $01 RP0 ");
  ASSERT_EQ(read.kind, Kind::kCommand) << read.error;
  EXPECT_EQ(read.command.verb, Verb::kType);
  EXPECT_EQ(read.command.control.name, "Txt_send");
  EXPECT_EQ(read.command.text, " $01 RP0 ");
  read = ReadCommandLine("paste Txt_delay ");
  ASSERT_EQ(read.kind, Kind::kCommand);
  EXPECT_EQ(read.command.text, "");  // present and empty
  EXPECT_EQ(ReadCommandLine("paste Txt_delay").error, "missing argument (usage: paste NAME TEXT)");
  EXPECT_EQ(ReadCommandLine("click cmdSEARCH  ").kind, Kind::kCommand) << "trailing blanks";
  EXPECT_EQ(ReadCommandLine("click cmdSEARCH now").error, "unexpected argument: now (usage: click NAME)");
}

TEST(CommandLineReader, ReadsArrayElementsNumbersAnswersAndScheduledCommands) {
  ReadResult read = ReadCommandLine("click optcrc(0)");
  EXPECT_EQ(read.command.control, (ui::ControlId{"optcrc", 0}));
  read = ReadCommandLine("scroll VScroll1 -5000");
  EXPECT_EQ(read.command.number, -5000);
  read = ReadCommandLine("answer Cancel");
  EXPECT_EQ(read.command.answer, ui::MessageBoxAnswer::kCancel);
  for (const char* bad : {"click optcrc(", "click optcrc(x)", "click (1)", "choose CMB_ADDR 1.5",
                          "key txt 99999999999", "scroll v +-1", "wait -1", "wait 1e3"}) {
    EXPECT_EQ(ReadCommandLine(bad).kind, Kind::kError) << bad;
  }
  read = ReadCommandLine("after 250 type Txt_send  x");
  ASSERT_EQ(read.kind, Kind::kCommand) << read.error;
  EXPECT_EQ(read.command.number, 250);
  ASSERT_NE(read.command.scheduled, nullptr);
  EXPECT_EQ(read.command.scheduled->verb, Verb::kType);
  EXPECT_EQ(read.command.scheduled->text, " x");
  EXPECT_EQ(ReadCommandLine("after 10 # nothing").error, "missing argument (usage: after MS COMMAND)");
  EXPECT_EQ(ReadCommandLine("after 10 fly away").error, "unknown command: fly");
  EXPECT_EQ(ReadCommandLine("after 10 after 10 dump").error, "after cannot schedule another after");
}

}  // namespace
}  // namespace ui_test
