// The info window's read-back: log.txt then log2.txt, up to a zero byte, both deleted.
#include "compile/tool_output.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string_view>

#include "tests/support/fake_host.h"
#include "ui/templates.h"

namespace tarnwick::compile {
namespace {

using ::tarnwick::testing::Lines;

TEST(ToolOutput, ShowsBothLogsUpToAZeroByteAndDeletesThem) {
    using namespace std::string_view_literals;
    const struct {
        const char* what;
        std::map<Text, Bytes> files;
        Text shown;
        std::string_view record;  // holds a zero byte: a sized literal
    } cases[] = {
        {"both logs",
         {{"log.txt", "I: one\r\n"}, {"log2.txt", std::string("I: two\0tail", 11)}},
         "I: one\r\nI: two",
         R"(
ReadFile("log.txt") -> "I: one\r\n"
ReadFile("log2.txt") -> "I: two)"
         "\0"
         R"(tail"
DeleteFile("log.txt") -> true
DeleteFile("log2.txt") -> true)"sv},
        {"no logs", {}, "", R"(
ReadFile("log.txt") -> ""
ReadFile("log2.txt") -> ""
DeleteFile("log.txt") -> false
DeleteFile("log2.txt") -> false)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<ui::Window> window = ui::BuildWindow(ui::InfoWindowTemplate());
        ui::InfoWindow info(*window);
        info.编辑框1.setContent("earlier output");
        ::tarnwick::testing::FakeHost host;
        host.files = c.files;
        ReadBackToolOutput(info, host);
        EXPECT_EQ(info.编辑框1.content(), c.shown);
        EXPECT_EQ(host.calls(), Lines(c.record));
        EXPECT_TRUE(host.files.empty());
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
}  // namespace tarnwick::compile
