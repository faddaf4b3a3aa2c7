#include "host/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

struct Sample {
    std::string utf8;
    std::string program;
};

// Texts with their bytes in the program's encoding; every GBK text keeps its GBK bytes.
const std::vector<Sample> kSamples = {
    {"", ""},
    {"adb reboot\r\n", "adb reboot\r\n"},
    {"刷机模式下一步", "\xCB\xA2\xBB\xFA\xC4\xA3\xCA\xBD\xCF\xC2\xD2\xBB\xB2\xBD"},
    {"乗\\a", "\x81\x5C\\a"},
    {"备份.img", "\xB1\xB8\xB7\xDD.img"},
};

TEST(EncodingTest, ConvertsBetweenUnicodeAndTheProgramEncoding) {
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.utf8);
        const Text text = Text::FromBytes(sample.program);
        EXPECT_EQ(TextFromUtf8(sample.utf8), text);
        EXPECT_EQ(Utf8FromText(text), sample.utf8);
        const std::u16string utf16 = Utf16FromText(text);
        EXPECT_EQ(TextFromUtf16(utf16), text);
        EXPECT_EQ(Utf8FromText(TextFromUtf16(utf16)), sample.utf8);
    }
}

TEST(EncodingTest, CharactersBeyondGbkNeedGb18030) {
#ifdef _WIN32
    // Code page 936 holds none of them: each becomes one '?'.
    EXPECT_EQ(TextFromUtf8("备份😀"), Text::FromBytes("\xB1\xB8\xB7\xDD?"));
    EXPECT_EQ(TextFromUtf16(u"😀\uFEFF"), Text("??"));
    EXPECT_EQ(ToolOutputToProgramEncoding("😀"), "?");
#else
    const Text emoji = Text::FromBytes("\xB1\xB8\xB7\xDD\x94\x39\xFC\x36");  // 备份😀
    EXPECT_EQ(TextFromUtf8("备份😀"), emoji);
    EXPECT_EQ(Utf8FromText(emoji), "备份😀");
    EXPECT_EQ(Utf16FromText(emoji), u"备份😀");
    EXPECT_EQ(TextFromUtf16(u"备份😀"), emoji);
    EXPECT_EQ(ToolOutputToProgramEncoding("😀"), "\x94\x39\xFC\x36");
    // The edges of well-formed UTF-8: U+0800, U+10FFFF and U+D7FF convert.
    EXPECT_EQ(ToolOutputToProgramEncoding("\xE0\xA0\x80\xF4\x8F\xBF\xBF\xED\x9F\xBF"),
              "\x81\x31\xB3\x32\xE3\x32\x9A\x35\x83\x36\xC7\x38");
    // A leading U+FEFF is a character, not a byte-order mark.
    EXPECT_EQ(TextFromUtf16(u"\uFEFFz"), Text::FromBytes("\x84\x31\x95\x33z"));
    EXPECT_EQ(Utf16FromText(Text::FromBytes("\x84\x31\x95\x33z")), u"\uFEFFz");
#endif
}

TEST(EncodingTest, MalformedUtf8BecomesOneQuestionMarkPerByte) {
    const std::vector<Sample> cases = {
        {"\xFF", "?"},
        {"a\xC0\xAFz", "a??z"},             // overlong '/'
        {"\xED\xA0\x80", "???"},            // surrogate
        {"\xF4\x90\x80\x80", "????"},       // above U+10FFFF
        {"\xE4\xB8", "??"},                 // cut short
        {"\xE4\xB8\xAD\x80", "\xD6\xD0?"},  // 中 and a stray continuation byte
        {"\xE4\xB8z\xE4\xB8\xAD", "??z\xD6\xD0"},
    };
    for (const Sample& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.utf8));
        EXPECT_EQ(TextFromUtf8(c.utf8), Text::FromBytes(c.program));
    }
}

TEST(EncodingTest, LoneSurrogatesBecomeQuestionMarks) {
    const char16_t high = 0xD83D;
    const char16_t low = 0xDE00;
    EXPECT_EQ(TextFromUtf16(std::u16string{u'a', high, u'b'}), Text("a?b"));
    EXPECT_EQ(TextFromUtf16(std::u16string{low, high}), Text("??"));
    EXPECT_EQ(TextFromUtf16(std::u16string{u'中', high}), Text::FromBytes("\xD6\xD0?"));
    EXPECT_EQ(TextFromUtf16(std::u16string{low, u'a', high, low, low}), TextFromUtf8("?a😀?"));
}

TEST(EncodingTest, BadProgramBytesBecomeReplacementCharacters) {
    const std::vector<Sample> cases = {
        {"\uFFFD", "\xFF"},
        {"\uFFFD\uFFFD", "\xFF\xFF"},
        {"a\uFFFD", "a\x81"},        // lead byte without its trail byte
        {"\uFFFD\x7F", "\x81\x7F"},  // 0x7F is no trail byte
        {"\uFFFD0z", "\x81\x30z"},   // a four-byte character cut short
        {"\xE4\xB8\xAD\uFFFD", "\xD6\xD0\xD6"},
    };
    for (const Sample& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.program));
        const Text text = Text::FromBytes(c.program);
        EXPECT_EQ(Utf8FromText(text), c.utf8);
        EXPECT_EQ(TextFromUtf16(Utf16FromText(text)), TextFromUtf8(c.utf8));
    }
}

TEST(EncodingTest, ToolOutputConvertsValidUtf8AndKeepsOtherBytes) {
    const std::vector<Sample> cases = {
        {"Success\r\n", "Success\r\n"},
        {"安装\r\n", "\xB0\xB2\xD7\xB0\r\n"},
        {"\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4"},  // already GBK: not UTF-8
        {"\xFF中\xC0\xAF\xED\xA0\x80", "\xFF\xD6\xD0\xC0\xAF\xED\xA0\x80"},
    };
    for (const Sample& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.utf8));
        EXPECT_EQ(ToolOutputToProgramEncoding(c.utf8), c.program);
    }
}

}  // namespace
}  // namespace tarnwick
