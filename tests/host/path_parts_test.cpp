// Folder and name of a Windows-shaped path, and comparison without regard to ASCII case.
#include "host/path_parts.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(PathParts, FolderAndNameSplitAtTheLastBackslash) {
    EXPECT_EQ(FolderOf("C:\\Tarnwick\\twrp.img"), "C:\\Tarnwick");
    EXPECT_EQ(NameOf("C:\\Tarnwick\\twrp.img"), "twrp.img");
    EXPECT_EQ(FolderOf("C:\\twrp.img"), "C:");  // a program at a drive root has "C:"
    EXPECT_EQ(NameOf("C:\\twrp.img"), "twrp.img");
    EXPECT_EQ(FolderOf("twrp.img"), "");
    EXPECT_EQ(NameOf("twrp.img"), "twrp.img");
    const Text trail = Text::FromBytes("C:\\img\\a\x81\\.img");  // 0x81 0x5C: one character
    EXPECT_EQ(FolderOf(trail), "C:\\img");
    EXPECT_EQ(NameOf(trail), Text::FromBytes("a\x81\\.img"));
}

TEST(PathParts, SamePathTextIgnoresOnlyTheCaseOfAsciiLetters) {
    EXPECT_TRUE(SamePathText("C:\\Tarnwick", "c:\\TARNWICK"));
    EXPECT_TRUE(SamePathText("recovery.img", "RECOVERY.IMG"));
    EXPECT_TRUE(SamePathText("C:\\备份", "c:\\备份"));
    EXPECT_FALSE(SamePathText("C:\\Tarnwick", "C:\\Tarnwick2"));
    EXPECT_FALSE(SamePathText("C:", "C:\\"));
    // Trail bytes that are letters compare exactly: 0x81 0x41 and 0x81 0x61 differ.
    EXPECT_FALSE(SamePathText(Text::FromBytes("\x81"
                                              "A"),
                              Text::FromBytes("\x81"
                                              "a")));
}

}  // namespace
}  // namespace tarnwick
