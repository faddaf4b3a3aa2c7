// The name of a Windows-shaped path: what follows its last backslash.
#include "host/path_parts.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(PathParts, TheNameFollowsTheLastBackslash) {
    EXPECT_EQ(NameOf("C:\\Tarnwick\\twrp.img"), "twrp.img");
    EXPECT_EQ(NameOf("C:\\"), "");  // a drive's root
    EXPECT_EQ(NameOf("twrp.img"), "twrp.img");
    const Text trail = Text::FromBytes("C:\\img\\a\x81\\.img");  // 0x81 0x5C: one character
    EXPECT_EQ(NameOf(trail), Text::FromBytes("a\x81\\.img"));
}

}  // namespace
}  // namespace tarnwick
