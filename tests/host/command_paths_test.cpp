// Paths inside command lines: quoted where the interpreter would split or act on them,
// refused where no quoting helps.
#include "host/command_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tarnwick {
namespace {

TEST(CommandLinePath, QuotesOnlyPathsThatTheInterpreterWouldSplitOrActOn) {
    struct Case {
        const char* path;
        const char* onCommandLine;
    };
    const Case cases[] = {
        {"C:\\img\\twrp.img", "C:\\img\\twrp.img"},
        {"C:", "C:"},
        {"twrp.img", "twrp.img"},
        {"C:\\备份\\恢复.img", "C:\\备份\\恢复.img"},
        {"C:\\Users\\Ann Lee\\twrp.img", "\"C:\\Users\\Ann Lee\\twrp.img\""},
        {"C:\\a&calc.img", "\"C:\\a&calc.img\""},
        {"C:\\a|b.img", "\"C:\\a|b.img\""},
        {"C:\\a<b.img", "\"C:\\a<b.img\""},
        {"C:\\a>b.img", "\"C:\\a>b.img\""},
        {"C:\\a^b.img", "\"C:\\a^b.img\""},
        {"C:\\rom (1).zip", "\"C:\\rom (1).zip\""},
        {"C:\\a,b.img", "\"C:\\a,b.img\""},
        {"C:\\a;b.img", "\"C:\\a;b.img\""},
        {"C:\\a=b.img", "\"C:\\a=b.img\""},
        {"C:\\a+b.img", "\"C:\\a+b.img\""},  // copy would join a and b.img
        {"C:\\Program Files\\Tarnwick", "\"C:\\Program Files\\Tarnwick\""},
        // Found by fuzzing: a quoted path's last backslash took the closing quote for a literal.
        {"C:\\my apps\\", "\"C:\\my apps\\\\\""},
        {"Z:(d\\\\", "\"Z:(d\\\\\\\\\""},
        {"C:\\apps\\", "C:\\apps\\"},  // unquoted, a backslash is plain
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CommandLinePath(c.path), Text(c.onCommandLine));
    }
}

TEST(CommandLinePath, TrailBytesOfTwoByteCharactersAreNoSpecialCharacters) {
    // 0x81 0x7C and 0x81 0x5E are two-byte characters whose trail bytes are "|" and "^"; 0x80
    // (the euro sign) and 0xFF are one-byte characters, so the byte after them counts.
    struct Case {
        std::string path;
        std::string onCommandLine;
    };
    const Case cases[] = {
        {"C:\\\x81|.img", "C:\\\x81|.img"},
        {"C:\\\x81^.img", "C:\\\x81^.img"},
        {"C:\\\x81| x.img", "\"C:\\\x81| x.img\""},
        {"C:\\a\x80 b\\x.apk", "\"C:\\a\x80 b\\x.apk\""},
        {"C:\\\xFF&b.img", "\"C:\\\xFF&b.img\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.path));
        EXPECT_EQ(CommandLinePath(Text::FromBytes(c.path)), Text::FromBytes(c.onCommandLine));
    }
}

TEST(CanPassOnCommandLine, RefusesQuotesPercentSignsAndControlCharacters) {
    for (const char* path :
         {"C:\\img\\twrp.img", "C:\\Users\\Ann Lee\\a&b (1).img", "C:\\备份\\恢复.img", "", "C:"}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(CanPassOnCommandLine(path));
    }
    for (const char* path :
         {"C:\\a\"&calc&\".img", "C:\\%PATH%.img", "C:\\100%.img", "C:\\a\tb.img", "C:\\a\nb.img",
          "C:\\a\x7F.img", "C:\\a\rb.img",
          "C:\\a\x80%b\\x.apk",  // 0x80 is a one-byte character: the "%" is no trail byte
          "C:\\\xFF\"x.apk"}) {
        SCOPED_TRACE(::testing::PrintToString(path));
        EXPECT_FALSE(CanPassOnCommandLine(Text::FromBytes(path)));
    }
}

TEST(CanPassToPhoneShell, RefusesEachCharacterThatTheBatchFileOrThePhonesShellActsOn) {
    for (const char* name :
         {"Foo.apk", "my-app_1.0+x,y=z@2.apk", "/system/app/", "/system/app", "应用.apk", ""}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(CanPassToPhoneShell(name));
    }
    EXPECT_TRUE(CanPassToPhoneShell(Text::FromBytes("\x81|\x81\\.apk")));  // trail bytes
    for (const char special : std::string_view(" ;&|$()<>\"'\\*?[]%^`\t\n\r\x01\x7F")) {
        SCOPED_TRACE(static_cast<int>(special));
        EXPECT_FALSE(CanPassToPhoneShell(Text::FromBytes(std::string("a") + special + "b.apk")));
    }
}

}  // namespace
}  // namespace tarnwick
