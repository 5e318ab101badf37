// The error box's final full stop, message formatting and the code page.
#include <gtest/gtest.h>

#include <clocale>

#include "platform/forms/sysutils.h"
#include "platform/system/codepage.h"

namespace {

struct PeriodCase {
  const char* name;
  std::string message;
  std::string shown;
};

class ErrorBoxTextTest : public testing::TestWithParam<PeriodCase> {};

TEST_P(ErrorBoxTextTest, AppendsAFullStopByTheLastCharacter) {
  EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    testing::Values(PeriodCase{"empty", "", ""},
                    PeriodCase{"letter", "Stream write error", "Stream write error."},
                    PeriodCase{"full_stop", "Done.", "Done."},
                    PeriodCase{"blank", "Text ", "Text "},
                    PeriodCase{"exclamation", "Oh!", "Oh!"},
                    PeriodCase{"comma", "a,", "a,"},
                    PeriodCase{"hyphen", "a-", "a-"},
                    PeriodCase{"slash_is_above_the_stop", "a/", "a/."},
                    PeriodCase{"digit", "code 5", "code 5."},
                    PeriodCase{"quote_is_below_the_stop", "file \"x\"", "file \"x\""},
                    PeriodCase{"control_character", "line\n", "line\n"},
                    PeriodCase{"double_byte_character", "拒绝访问", "拒绝访问."},
                    PeriodCase{"ideographic_full_stop", "拒绝访问。", "拒绝访问。."}),
    [](const testing::TestParamInfo<PeriodCase>& info) { return info.param.name; });

TEST(FormatTest, FillsPlaceholdersInOrder) {
  EXPECT_EQ(Format(SFOpenErrorEx, {"/home/u/daiban.txt", "No such file or directory"}),
            "Cannot open file \"/home/u/daiban.txt\". No such file or directory");
  EXPECT_EQ(Format(SListIndexError, {"7"}), "List index out of bounds (7)");
  EXPECT_EQ(Format("100% %s", {"sure"}), "100% sure");
}

TEST(CodePageTest, Utf8RoundTripsAndMarksBadBytes) {
  ASSERT_TRUE(AnsiIsUtf8());
  EXPECT_EQ(AnsiToUtf16("买a"), u"买a");
  EXPECT_EQ(AnsiToUtf16("\xFF" "a\xE4\xB9"), u"\uFFFDa\uFFFD\uFFFD");
  EXPECT_EQ(AnsiToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
  EXPECT_EQ(Utf16ToAnsi(u"买\U0001F600"), "买\xF0\x9F\x98\x80");
  EXPECT_FALSE(Utf16ToAnsi(std::u16string(1, char16_t(0xD800))).has_value());
}

TEST(CodePageTest, LastCharacterStartsAtItsLeadByte) {
  EXPECT_EQ(LastCharStart(""), 0u);
  EXPECT_EQ(LastCharStart("ab"), 1u);
  EXPECT_EQ(LastCharStart("a买"), 1u);
  EXPECT_EQ(LastCharStart("a\xF0\x9F\x98\x80"), 1u);
  EXPECT_EQ(LastCharStart("a\x80"), 1u);
}

TEST(CodePageTest, AChineseCodePageIsConvertedByTheLocale) {
  if (!std::setlocale(LC_ALL, "zh_CN.GB18030") && !std::setlocale(LC_ALL, "zh_CN.GBK"))
    GTEST_SKIP() << "no GB18030 or GBK locale on this machine";
  ResetAnsiCodePage();
  EXPECT_FALSE(AnsiIsUtf8());
  EXPECT_EQ(AnsiToUtf16("\xC2\xF2"), u"买");
  EXPECT_EQ(Utf16ToAnsi(u"买a"), "\xC2\xF2" "a");
  // A trail byte in the ASCII range still belongs to its character.
  EXPECT_EQ(LastCharStart("a\x81\x40"), 1u);
  EXPECT_EQ(ErrorBoxText("\x81\x40"), "\x81\x40.");
  std::setlocale(LC_ALL, "C.UTF-8");
  ResetAnsiCodePage();
}

}  // namespace
