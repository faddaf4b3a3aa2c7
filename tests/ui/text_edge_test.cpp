// Texts crossing into Qt and back.
#include <gtest/gtest.h>

#include <string>

#include "ui/qt_text.h"

namespace tarnwick::ui {
namespace {

TEST(QtText, ConvertsChineseAndLineBreaksBothWays) {
    const Text text = "欢迎使用Tarnwick!\r\n";
    EXPECT_EQ(ToQString(text), QString::fromUtf8("欢迎使用Tarnwick!\r\n"));
    EXPECT_EQ(TextFromQString(ToQString(text)), text);
    EXPECT_EQ(TextFromQString(QString()), Text());
}

}  // namespace
}  // namespace tarnwick::ui
