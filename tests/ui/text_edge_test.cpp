// Texts crossing into Qt and back, and the browser command line of a hyperlink.
#include <gtest/gtest.h>

#include <string>

#include "ui/qt_text.h"
#include "ui/web_address.h"

namespace tarnwick::ui {
namespace {

TEST(QtText, ConvertsChineseAndLineBreaksBothWays) {
    const Text text = "欢迎使用Tarnwick!\r\n";
    EXPECT_EQ(ToQString(text), QString::fromUtf8("欢迎使用Tarnwick!\r\n"));
    EXPECT_EQ(TextFromQString(ToQString(text)), text);
    EXPECT_EQ(TextFromQString(QString()), Text());
}

TEST(BrowserCommandLine, CutsTheOpenCommandWhereItsAddressWouldGo) {
    const std::u16string address = u"https://example.invalid/x";
    EXPECT_EQ(BrowserCommandLine(u"\"C:\\IE\\iexplore.exe\" -nohome \"%1\"", address),
              u"\"C:\\IE\\iexplore.exe\" -nohome  https://example.invalid/x");
    EXPECT_EQ(BrowserCommandLine(u"\"C:\\b.exe\" -url \"%1\" -new", address),
              u"\"C:\\b.exe\" -url  https://example.invalid/x");
    EXPECT_EQ(BrowserCommandLine(u"C:\\b.exe %1", address),
              u"C:\\b.exe  https://example.invalid/x");
    EXPECT_EQ(BrowserCommandLine(u"C:\\b.exe", address), u"C:\\b.exe https://example.invalid/x");
}

}  // namespace
}  // namespace tarnwick::ui
