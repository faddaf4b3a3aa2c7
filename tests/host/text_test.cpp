#include "host/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "host/message_lines.h"

namespace tarnwick {
namespace {

Text Bytes936(std::string bytes) {
    return Text::FromBytes(std::move(bytes));
}

// "乗" in GBK is 0x81 0x5C: its trail byte is a backslash.
const std::string kBackslashTrail = "\x81\x5C";

struct FindCase {
    std::string text;
    std::string sought;
    std::optional<int> start;
    bool ignoreCase;
    int expected;
};

void PrintTo(const FindCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.text) << " / " << ::testing::PrintToString(c.sought)
         << " start " << (c.start ? std::to_string(*c.start) : "omitted")
         << (c.ignoreCase ? " ignoring case" : "");
}

class FindTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsFirstMatchAtACharacterStart) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindText(Bytes936(c.text), Bytes936(c.sought), c.start, c.ignoreCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextTest,
    ::testing::Values(FindCase{"a.apk.apk", ".apk", std::nullopt, false, 2},
                      FindCase{"a.apk.apk", ".apk", 3, false, 6},
                      FindCase{"a.apk.apk", ".apk", 0, false, 2},
                      FindCase{"a.apk.apk", ".apk", -7, false, 2},
                      FindCase{"a.apk.apk", "k", 9, false, 9},
                      FindCase{"a.apk.apk", "k", 10, false, -1},
                      FindCase{"a.apk.apk", ".APK", std::nullopt, false, -1},
                      FindCase{"a.apk.apk", "a.apk.apk.", std::nullopt, false, -1},
                      // An empty sought text is found at 1 unless the range is empty.
                      FindCase{"abc", "", std::nullopt, false, 1}, FindCase{"abc", "", 3, false, 1},
                      FindCase{"abc", "", 4, false, -1}, FindCase{"", "", std::nullopt, false, -1},
                      // A backslash as a trail byte is part of its character.
                      FindCase{kBackslashTrail, "\\", std::nullopt, false, -1},
                      FindCase{kBackslashTrail + "a\\", "\\", std::nullopt, false, 4},
                      // A start inside a character begins the stepping there.
                      FindCase{kBackslashTrail, "\\", 2, false, 2},
                      // Matches straddling two characters do not count: 中文 holds no 0xD0 0xCE.
                      FindCase{"\xD6\xD0\xCE\xC4", "\xD0\xCE", std::nullopt, false, -1},
                      // GB18030's four-byte characters step as two two-byte ones.
                      FindCase{"\x94\x39\xFC\x36z9", "9", std::nullopt, false, 6},
                      FindCase{"\x94\x39\xFC\x36", "9", std::nullopt, false, -1},
                      // 0x80 (the euro sign) and 0xFF are one-byte characters; 0x80 may still
                      // be a trail byte.
                      FindCase{"a\x80\\", "\\", std::nullopt, false, 3},
                      FindCase{"\xFF\\", "\\", std::nullopt, false, 2},
                      FindCase{"a\x80\xD6\\", "\\", std::nullopt, false, -1},
                      FindCase{"\x81\x80\x80", "\x80", std::nullopt, false, 3},
                      // A lead byte that is the last byte ends the search.
                      FindCase{"ab\x81", "\x81", std::nullopt, false, -1},
                      FindCase{"a\x81z\x81", "\x81", std::nullopt, false, 2},
                      // Ignoring case folds ASCII letters only.
                      FindCase{"Setup.APK", ".apk", std::nullopt, true, 6},
                      FindCase{"Setup.APK", ".apk", 7, true, -1},
                      FindCase{"\xC1\xC1", "\xE1\xE1", std::nullopt, true, -1}));

class FindTextReverseTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextReverseTest, FindsLastMatchWithinTheRange) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindTextReverse(Bytes936(c.text), Bytes936(c.sought), c.start, c.ignoreCase),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextReverseTest,
    ::testing::Values(
        FindCase{"a.apk.apk", ".apk", std::nullopt, false, 6},
        FindCase{"a.apk.apk", ".apk", 10, false, 6}, FindCase{"a.apk.apk", ".apk", 100, false, 6},
        // The match must lie wholly within the first start-1 bytes.
        FindCase{"a.apk.apk", ".apk", 9, false, 2}, FindCase{"a.apk.apk", ".apk", 6, false, 2},
        FindCase{"a.apk.apk", ".apk", 5, false, -1}, FindCase{"a.apk.apk", "a", 2, false, 1},
        FindCase{"a.apk.apk", "a", 1, false, -1}, FindCase{"a.apk.apk", "a", INT_MIN, false, -1},
        FindCase{"abc", "", std::nullopt, false, 1}, FindCase{"abc", "", 2, false, 1},
        FindCase{"abc", "", 1, false, -1}, FindCase{"", "", std::nullopt, false, -1},
        FindCase{"a\\" + kBackslashTrail, "\\", std::nullopt, false, 2},
        FindCase{"a\x81z\x81", "\x81", std::nullopt, false, 2},
        FindCase{"a\x80\\", "\\", std::nullopt, false, 3},
        FindCase{"\xFF\\\x81\\", "\\", std::nullopt, false, 2},
        FindCase{"\x80\x80\x81\x80", "\x80", std::nullopt, false, 2},
        FindCase{"x.APK.apk", ".Apk", std::nullopt, true, 6},
        FindCase{"x.APK.apk", ".Apk", 9, true, 2}));

TEST(LeftRightTextTest, CountBytesAndClampToTheText) {
    const Text text = Bytes936("ab\xD6\xD0");  // ab中
    struct Case {
        int count;
        std::string left;
        std::string right;
    };
    const std::vector<Case> cases = {
        {INT_MIN, "", ""},
        {-1, "", ""},
        {0, "", ""},
        {1, "a", "\xD0"},  // cuts 中 in two
        {3, "ab\xD6", "b\xD6\xD0"},
        {4, "ab\xD6\xD0", "ab\xD6\xD0"},
        {INT_MAX, "ab\xD6\xD0", "ab\xD6\xD0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(LeftText(text, c.count), Bytes936(c.left));
        EXPECT_EQ(RightText(text, c.count), Bytes936(c.right));
    }
    EXPECT_EQ(LeftText(Text(), 3), Text());
    EXPECT_EQ(RightText(Text(), 3), Text());
}

TEST(TextTest, SourceLiteralsAreConvertedToTheProgramEncoding) {
    EXPECT_EQ(Text("中文.apk").bytes(), "\xD6\xD0\xCE\xC4.apk");
    EXPECT_EQ(TextLength("刷机"), 4);
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(Text(""), Text());
    EXPECT_EQ(Text("a") + "" + "中", Bytes936("a\xD6\xD0"));
    std::ostringstream shown;
    shown << Text("刷机模式");
    EXPECT_EQ(shown.str(), "刷机模式");
}

TEST(ToTextTest, ConvertsEachKindOfValue) {
    EXPECT_EQ(ToText(Text("文本")), Text("文本"));
    EXPECT_EQ(ToText("中"), Bytes936("\xD6\xD0"));
    EXPECT_EQ(ToText(Bytes("abc\0def", 7)), Text("abc"));
    EXPECT_EQ(ToText(Bytes("\0abc", 4)), Text());
    EXPECT_EQ(ToText(Bytes("\xD6\xD0")), Bytes936("\xD6\xD0"));
    EXPECT_EQ(ToText(0), Text("0"));
    EXPECT_EQ(ToText(-42), Text("-42"));
    EXPECT_EQ(ToText(INT_MIN), Text("-2147483648"));
    EXPECT_EQ(ToText(true), Bytes936("\xD5\xE6"));   // 真
    EXPECT_EQ(ToText(false), Bytes936("\xBC\xD9"));  // 假
}

// `littleEndian` as the bytes stand in memory on this machine.
Bytes InMemoryOrder(std::string littleEndian) {
    if constexpr (std::endian::native == std::endian::big) {
        std::reverse(littleEndian.begin(), littleEndian.end());
    }
    return littleEndian;
}

TEST(ToBytesTest, GivesTextBytesAndNumbersInMemoryOrder) {
    EXPECT_EQ(ToBytes(Text()), Bytes());
    EXPECT_EQ(ToBytes(Text("a中")), Bytes("a\xD6\xD0"));
    EXPECT_EQ(ToBytes(std::int32_t{0x01020304}), InMemoryOrder("\x04\x03\x02\x01"));
    EXPECT_EQ(ToBytes(std::int32_t{-2}), InMemoryOrder("\xFE\xFF\xFF\xFF"));
    EXPECT_EQ(ToBytes(std::int64_t{0}), Bytes(8, '\0'));
    EXPECT_EQ(ToBytes(std::int64_t{-2}), InMemoryOrder("\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF"));
    EXPECT_EQ(ToBytes(1.0), InMemoryOrder(Bytes("\0\0\0\0\0\0\xF0\x3F", 8)));
}

// A message fits a screen of 1,024 x 768: at most 72 columns a line (a Chinese character takes
// two) and 20 lines; a path is broken after a backslash late in a line, the most broken line cut.
TEST(MessageInLinesTest, BreaksAndCutsToFitTheScreen) {
    const auto letters = [](std::size_t count, char letter) {
        return Text(std::string(count, letter).c_str());
    };
    const Text folder = "C:\\" + letters(50, 'a') + "\\" + letters(60, 'b');
    struct {
        Text message;
        std::vector<Text> lines;  // as shown
    } cases[] = {
        {"操作已完成\r\n<b>请重启</b>  \r\n", {"操作已完成", "<b>请重启</b>  ", ""}},
        {folder, {"C:\\" + letters(50, 'a') + "\\", letters(60, 'b')}},
        {letters(45, 'a') + "目录" + letters(40, 'c'),
         {letters(45, 'a') + "目录" + letters(23, 'c'), letters(17, 'c')}},
        {"重启失败!\r\n" + letters(1000, 'e') + "\r\n未检测到处于Fastboot模式的手机", {}},
    };
    std::vector<Text>& toolLine = cases[3].lines;  // its tool's line 72 letters a line
    toolLine.assign(14, letters(72, 'e'));
    toolLine.front() = "重启失败!";
    toolLine.push_back(letters(1000 - 13 * 72, 'e'));
    toolLine.push_back("未检测到处于Fastboot模式的手机");
    const auto lines = [](const Text& shown) {
        std::vector<Text> split;
        for (std::string_view rest = shown.bytes();;) {
            const std::size_t end = std::min(rest.find("\r\n"), rest.size());
            split.push_back(Text::FromBytes(std::string(rest.substr(0, end))));
            if (end == rest.size()) {
                return split;
            }
            rest.remove_prefix(end + 2);
        }
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lines(MessageInLines(c.message)), c.lines);
    }
    // A folder 2,000 characters deep: the reason after it stays.
    std::string deep;
    while (deep.size() < 2000) {
        deep += "\\子文件夹";
    }
    const std::vector<Text> shown = lines(MessageInLines(
        "无法检查输出目录:\r\n\r\nC:" + Text(deep.c_str()) + "\r\n\r\nPermission denied"));
    ASSERT_EQ(shown.size(), 20U);
    EXPECT_EQ(shown.back(), "Permission denied");
    EXPECT_TRUE(shown[17].bytes().ends_with(Text("…").bytes()));
    for (const Text& line : shown) {
        EXPECT_LE(line.bytes().size(), 72U) << line;
    }
}

}  // namespace
}  // namespace tarnwick
