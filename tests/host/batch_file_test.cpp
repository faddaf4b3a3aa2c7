// The batch-file reader: the lines the interpreter runs.
#include "host/posix/batch_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick::posix {
namespace {

TEST(BatchFileLines, SplitAtLineBreaksWithoutCarriageReturnsEchoMarksOrEmptyLines) {
    struct Case {
        std::string content;
        std::vector<Text> lines;
    };
    const Case cases[] = {
        {"adb devices\r\n@adb push a b\r\n\r\n  \r\n@\r\ndel x.bat",
         {"adb devices", "adb push a b", "del x.bat"}},
        {"a\nb\n", {"a", "b"}},
        // Found by fuzzing: a second "\r" before the line break stayed in the line.
        {"adb push Foo.apk\r\r\nadb\rshell\r\n", {"adb push Foo.apk", "adbshell"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        EXPECT_EQ(BatchFileLines(c.content), c.lines);
    }
}

}  // namespace
}  // namespace tarnwick::posix
