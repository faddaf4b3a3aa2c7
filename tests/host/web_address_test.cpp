// The browser command line of a hyperlink: the registered open command with the address in.
#include "host/web_address.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

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
}  // namespace tarnwick
