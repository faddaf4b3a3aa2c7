// The bare file name: the text up to the last "/" followed by the text after the last
// backslash.
#include "host/bare_file_name.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(BareFileName, KeepsUpToTheLastSlashAndAfterTheLastBackslash) {
    struct Case {
        const char* path;
        const char* bare;
    };
    const Case cases[] = {
        {"D:\\img\\twrp.img", "twrp.img"},
        {"C:\\Users\\Ann Lee\\twrp 2.img", "twrp 2.img"},
        {"twrp.img", "twrp.img"},  // a second run finds the bare name and keeps it
        {"C:\\备份\\恢复.img", "恢复.img"},
        {"C:\\a/b\\twrp.img", "C:\\a/twrp.img"},
        {"C:/img/twrp.img", "C:/img/C:/img/twrp.img"},  // no backslash: the whole path follows
        {"C:\\img\\", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(BareFileName(c.path), Text(c.bare));
    }
}

TEST(BareFileName, ABackslashTrailByteIsNoSeparator) {
    // 0x81 0x5C is one two-byte character whose trail byte is a backslash.
    EXPECT_EQ(BareFileName(Text::FromBytes("D:\\img\\a\x81\\.img")),
              Text::FromBytes("a\x81\\.img"));
}

}  // namespace
}  // namespace tarnwick
