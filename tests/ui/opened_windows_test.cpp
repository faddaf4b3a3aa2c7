// The five windows as the user first sees them, built from their real templates.
#include <QComboBox>
#include <QFontMetrics>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/built_window.h"
#include "ui/compile_window.h"
#include "ui/flash_window.h"
#include "ui/push_window.h"
#include "ui/templates.h"

namespace tarnwick::ui {
namespace {

using OpenedWindow = testing::WindowTest;

TEST_F(OpenedWindow, FlashWindowOffersTheRebootToTheSystemAndDisablesTheRecoveryOptions) {
    FlashWindow w(Build(FlashWindowTemplate()));
    EXPECT_TRUE(w.重启单选框.checked());
    EXPECT_TRUE(w.重新启动.checked());
    EXPECT_TRUE(w.备份.checked());
    EXPECT_EQ(w.选择集成REC.currentItem(), 0);
    EXPECT_EQ(static_cast<QComboBox*>(w.选择集成REC.widget())->currentText(),
              QStringLiteral("Find 5  [ Twrp-Recovery ]"));
    for (Control* option :
         std::initializer_list<Control*>{&w.备份路径, &w.备份, &w.临时进入REC, &w.选择集成REC,
                                         &w.REC路径, &w.刷入自定REC, &w.刷入集成REC}) {
        EXPECT_TRUE(option->disabled()) << option->name();
        EXPECT_TRUE(option->visible()) << option->name();
    }
    EXPECT_FALSE(w.ROM路径.disabled());
    EXPECT_FALSE(w.ROM单选框.checked());
    EXPECT_FALSE(w.显示框.visible());
    EXPECT_FALSE(w.显示窗.visible());

    // Radio groups go by parent: the reboot choice leaves the family choice alone.
    testing::ClickMark(w.重启到REC);
    EXPECT_TRUE(w.重启到REC.checked());
    EXPECT_FALSE(w.重新启动.checked());
    EXPECT_TRUE(w.重启单选框.checked());
}

TEST_F(OpenedWindow, CompileWindowOffersTheFrameworksFirst) {
    CompileWindow w(Build(CompileWindowTemplate()));
    EXPECT_TRUE(w.载入资源.checked());
    EXPECT_FALSE(w.编译模式.checked());
    for (Control* option :
         std::initializer_list<Control*>{&w.标签2, &w.图形按钮4, &w.图形按钮3, &w.签名, &w.回编译,
                                         &w.资源3, &w.反编译, &w.资源4, &w.标签3}) {
        EXPECT_TRUE(option->disabled()) << option->name();
    }
    for (Control* option : std::initializer_list<Control*>{&w.标签1, &w.资源1, &w.图形按钮1,
                                                           &w.资源2, &w.图形按钮2}) {
        EXPECT_FALSE(option->disabled()) << option->name();
    }
    EXPECT_EQ(w.资源1.content(), "framework\\framework-res.apk");
    EXPECT_EQ(w.资源2.content(), "framework\\oppo-framework-res.apk");
}

TEST_F(OpenedWindow, PushWindowStartsWithNothingChosen) {
    PushWindow w(Build(PushWindowTemplate()));
    for (RadioButton* choice : {&w.APK单选框, &w.SD单选框, &w.SYS单选框}) {
        EXPECT_FALSE(choice->checked()) << choice->name();
    }
    const Text hint = "请勿修改或删除路径后的\"/\"符号!";
    const struct {
        EditBox& box;
        Text preset;
    } boxes[] = {{w.SYS编辑框, "/system/app/"},
                 {w.SYS编辑框1, hint},
                 {w.SD编辑框, "/sdcard/"},
                 {w.SD编辑框1, hint}};
    for (const auto& b : boxes) {
        EXPECT_TRUE(b.box.disabled()) << b.box.name();
        EXPECT_EQ(b.box.content(), b.preset) << b.box.name();
    }
    EXPECT_FALSE(w.NOROOT.visible());
    EXPECT_FALSE(w.信息显示窗.visible());
    EXPECT_TRUE(w.信息显示窗.disabled());
    EXPECT_FALSE(w.信息窗口返回.visible());
    EXPECT_TRUE(w.推送服务返回.visible());
}

TEST_F(OpenedWindow, EveryWindowBuildsAtItsSize) {
    for (const WindowTemplate* source :
         {&HomeWindowTemplate(), &PushWindowTemplate(), &FlashWindowTemplate(),
          &CompileWindowTemplate(), &InfoWindowTemplate()}) {
        Window& built = Build(*source);
        EXPECT_EQ(built.widget()->size(), QSize(source->width, source->height)) << source->title;
        EXPECT_EQ(built.widget()->windowTitle(), QString::fromUtf8(source->title));
    }
}

// A link shows its caption, or its address when it has none. Measured in the font the
// program gives the control, each text leaves a tenth of its box free, room for the face
// that stands in on the other platform.
TEST_F(OpenedWindow, HomeWindowsLinkTextsFitTheirBoxes) {
    const WindowTemplate& home = HomeWindowTemplate();
    Build(home, false);
    int links = 0;
    for (const ControlRecord& record : home.controls) {
        if (record.kind != ControlKind::Hyperlink) {
            continue;
        }
        ++links;
        const QWidget* link = window->control<Hyperlink>(record.name).widget();
        const QString shown = QString::fromUtf8(*record.caption ? record.caption : record.address);
        const int width = QFontMetrics(link->font()).horizontalAdvance(shown);
        EXPECT_LE(width * 10, link->width() * 9)
            << record.name << ": " << width << " of " << link->width();
    }
    EXPECT_EQ(links, 3);
}

}  // namespace
}  // namespace tarnwick::ui
