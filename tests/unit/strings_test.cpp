// The rows of a list: line splitting, text, and the list's capacity.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/classes.h"
#include "platform/forms/sysutils.h"

namespace {

using namespace std::string_literals;

std::vector<std::string> RowsOf(const TStrings& s) {
  std::vector<std::string> rows;
  for (int i = 0; i < s.Count(); ++i) rows.emplace_back(s[i]);
  return rows;
}

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> rows;
};

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, SplitsAsTheLineRulesSay) {
  TStrings s;
  s.SetText(GetParam().text);
  EXPECT_EQ(RowsOf(s), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, SplitTest,
    testing::Values(
        SplitCase{"empty", "", {}},
        SplitCase{"no_final_break", "a\r\nb", {"a", "b"}},
        SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"lf", "a\nb\n", {"a", "b"}},
        SplitCase{"cr", "a\rb\r", {"a", "b"}},
        SplitCase{"lf_cr_gives_an_empty_row", "a\n\rb", {"a", "", "b"}},
        SplitCase{"cr_cr_lf_gives_an_empty_row", "a\r\r\nb", {"a", "", "b"}},
        SplitCase{"one_crlf_is_one_empty_row", "\r\n", {""}},
        SplitCase{"two_breaks_at_the_end", "a\r\n\r\n", {"a", ""}},
        SplitCase{"empty_lines_in_the_middle", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
        SplitCase{"zero_byte_ends_the_text", "ab\0cd\r\nef"s, {"ab"}},
        SplitCase{"zero_byte_first", "\0abc"s, {}},
        SplitCase{"zero_byte_at_a_line_start", "a\r\n\0b"s, {"a"}},
        SplitCase{"blanks_and_tabs_kept", " \ta b\t \r\n", {" \ta b\t "}},
        SplitCase{"utf8_bom_is_row_text", "\xEF\xBB\xBFitem\r\n", {"\xEF\xBB\xBFitem"}},
        SplitCase{"utf16_stops_at_first_zero", "\xFF\xFE" "a\0b\0"s, {"\xFF\xFE" "a"}},
        SplitCase{"invalid_utf8_bytes_kept", "\x80\xFF\xC3(\r\n", {"\x80\xFF\xC3("}},
        SplitCase{"repeated_lines", "x\r\nx\r\nx\r\n", {"x", "x", "x"}},
        SplitCase{"long_line_across_vector_width", std::string(70, 'q') + "\n" + std::string(33, 'r'),
                  {std::string(70, 'q'), std::string(33, 'r')}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(StringsTest, TextEndsEveryRowWithCrLf) {
  TStrings s;
  EXPECT_EQ(s.Text(), "");
  s.SetText("a\nb\r\n\rc"s);
  EXPECT_EQ(s.Text(), "a\r\nb\r\n\r\nc\r\n");
}

TEST(StringsTest, AppendedRowsSurviveLaterChanges) {
  TStrings s;
  s.SetText("one\r\ntwo\r\n"s);
  const std::string big(100000, 'b');
  for (int i = 0; i < 2000; ++i) s.Add("row " + std::to_string(i));
  s.Add(big);
  s.Delete(0);
  EXPECT_EQ(s[0], "two");
  EXPECT_EQ(s[1], "row 0");
  EXPECT_EQ(s[2000], "row 1999");
  EXPECT_EQ(s[2001], big);
  EXPECT_EQ(s.Count(), 2002);
}

TEST(StringsTest, AddingARowOfTheSameListCopiesItFirst) {
  TStrings s;
  s.Add("self");
  for (int i = 0; i < 100; ++i) s.Add(s[i]);
  EXPECT_EQ(s[100], "self");
}

TEST(StringsTest, AFullListRefusesTheRowAndKeepsTheRest) {
  TStrings s;
  s.SetMaxCount(2);
  s.Add("a");
  s.Add("b");
  try {
    s.Add("c");
    FAIL() << "no failure";
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "Unable to insert a line");
  }
  EXPECT_EQ(RowsOf(s), (std::vector<std::string>{"a", "b"}));
}

TEST(StringsTest, AFullListKeepsTheLinesReadBeforeIt) {
  TStrings s;
  s.SetMaxCount(2);
  EXPECT_THROW(s.SetText("1\r\n2\r\n3\r\n"s), EStringListError);
  EXPECT_EQ(RowsOf(s), (std::vector<std::string>{"1", "2"}));
  EXPECT_FALSE(s.Updating());
}

TEST(StringsTest, IndexOutOfRangeFails) {
  TStrings s;
  s.Add("a");
  EXPECT_THROW(s.Get(1), EStringListError);
  EXPECT_THROW(s.Get(-1), EStringListError);
  EXPECT_THROW(s.Delete(1), EStringListError);
}

// Records what an observer is told.
class Recorder : public TStringsObserver {
 public:
  std::vector<std::string> log;
  void RowsInserting(int f, int l) override { log.push_back("inserting " + Range(f, l)); }
  void RowsInserted(int f, int l) override { log.push_back("inserted " + Range(f, l)); }
  void RowsRemoving(int f, int l) override { log.push_back("removing " + Range(f, l)); }
  void RowsRemoved(int f, int l) override { log.push_back("removed " + Range(f, l)); }
  void Changing() override { log.push_back("changing"); }
  void Changed() override { log.push_back("changed"); }

 private:
  static std::string Range(int f, int l) { return std::to_string(f) + "-" + std::to_string(l); }
};

TEST(StringsTest, ObserversSeeSingleChangesAndOneResetPerUpdate) {
  TStrings s;
  Recorder r;
  s.SetObserver(&r);
  s.Add("a");
  s.Delete(0);
  s.SetText("x\r\ny\r\n"s);
  s.Clear();
  EXPECT_EQ(r.log, (std::vector<std::string>{"inserting 0-0", "inserted 0-0", "removing 0-0",
                                             "removed 0-0", "changing", "changed",
                                             "removing 0-1", "removed 0-1"}));
}

}  // namespace
