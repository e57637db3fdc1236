#include "platform/text/json_writer.h"

#include <gtest/gtest.h>

namespace platform_test {
namespace {

using platform::JsonObject;

std::string Quoted(std::string_view text) {
  std::string out;
  platform::AppendJsonString(out, text);
  return out;
}

TEST(JsonString, EscapesWhatJsonNeedsAndPassesUtf8Through) {
  EXPECT_EQ(Quoted("*0101\r"), R"("*0101\r")");
  EXPECT_EQ(Quoted("say \"hi\" \\ bye"), R"("say \"hi\" \\ bye")");
  EXPECT_EQ(Quoted(std::string("a\x01\x1f\n\tb\0c", 8)), R"("a\u0001\u001f\n\tb\u0000c")");
  EXPECT_EQ(Quoted("最大超时不能为空！"), "\"最大超时不能为空！\"");
}

TEST(JsonString, StrayBytesBecomeEscapesSoTheLineStaysValid) {
  EXPECT_EQ(Quoted("\xff\xe6\x9c"), R"("\u00ff\u00e6\u009c")");  // a bad byte and a cut-off character
  EXPECT_EQ(Quoted("\xc0\xaf"), R"("\u00c0\u00af")");            // an overlong '/'
}

TEST(JsonObject, WritesMembersInOrderWithTheDocumentedSeparators) {
  JsonObject inner;
  inner.AddText("title", "t").AddBool("ok", false);
  EXPECT_EQ(JsonObject()
                .AddObject("box", inner)
                .AddNumber("n", -12)
                .AddTexts("items", {"a", "\"b\""})
                .AddTexts("none", {})
                .ToString(),
            R"({"box": {"title": "t", "ok": false}, "n": -12, "items": ["a", "\"b\""], "none": []})");
}

}  // namespace
}  // namespace platform_test
