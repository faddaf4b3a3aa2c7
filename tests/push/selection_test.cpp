// The push window's form: the radio buttons, the dispatch of 推送服务下一步, the start
// sequence of each operation and the return from the log view.
#include <functional>

#include "push/push_dispatch.h"
#include "push/push_selection.h"
#include "tests/push/push_window_test.h"

namespace tarnwick::push::testing {
namespace {

class Selection : public PushWindowTest {
protected:
    // The disabled state of SD编辑框, SD编辑框1, SYS编辑框 and SYS编辑框1: x disabled.
    std::string DisabledBoxes() const {
        std::string marks;
        for (const ui::Control* box : {&w.SD编辑框, &w.SD编辑框1, &w.SYS编辑框, &w.SYS编辑框1}) {
            marks += box->disabled() ? 'x' : '-';
        }
        return marks;
    }
    // The disabled state of APK单选框, SD单选框, SYS单选框 and SYS编辑框.
    std::string DisabledByStart() const {
        std::string marks;
        for (const ui::Control* box : {static_cast<const ui::Control*>(&w.APK单选框),
                                       static_cast<const ui::Control*>(&w.SD单选框),
                                       static_cast<const ui::Control*>(&w.SYS单选框),
                                       static_cast<const ui::Control*>(&w.SYS编辑框)}) {
            marks += box->disabled() ? 'x' : '-';
        }
        return marks;
    }
};

constexpr const char* kChooseAny = R"(ChooseFile(0, "全部文件(*.*)|*.*", )";

TEST_F(Selection, EachRadioButtonSetsUpItsBoxesAndThePushesOpenTheChooserOnEveryClick) {
    struct Case {
        ui::RadioButton& button;
        std::function<void()> click;
        const char* disabledBoxes;
        bool noroot;
        std::string chooserCall;  // "" when no chooser opens
        ui::EditBox* fileBox;
    };
    host.chooserPaths = {Text("C:\\a\\x.bin"), std::nullopt, Text("C:\\b\\y.img"), std::nullopt};
    EXPECT_EQ(DisabledBoxes(), "xxxx");
    EXPECT_FALSE(w.NOROOT.visible());
    const Case cases[] = {
        {w.SD单选框, [&] { SelectCardPush(w, host); }, "--xx", false,
         std::string(kChooseAny) + R"("") -> "C:\\a\\x.bin")", &w.SD编辑框1},
        {w.SYS单选框, [&] { SelectSystemPush(w, host); }, "xx--", true,
         std::string(kChooseAny) + R"("C:\\a\\x.bin") -> cancelled)", &w.SYS编辑框1},
        {w.SYS单选框, [&] { SelectSystemPush(w, host); }, "xx--", true,
         std::string(kChooseAny) + R"("C:\\a\\x.bin") -> "C:\\b\\y.img")", &w.SYS编辑框1},
        {w.APK单选框, [&] { SelectApkInstall(w); }, "xxxx", false, "", nullptr},
        {w.SD单选框, [&] { SelectCardPush(w, host); }, "--xx", false,
         std::string(kChooseAny) + R"("C:\\b\\y.img") -> cancelled)", &w.SD编辑框1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button.name() + " " + c.chooserCall);
        host.ClearCalls();
        Select(c.button);
        c.click();
        EXPECT_EQ(DisabledBoxes(), c.disabledBoxes);
        EXPECT_EQ(w.NOROOT.visible(), c.noroot);
        EXPECT_EQ(host.calls(), c.chooserCall.empty() ? Record{} : Record{c.chooserCall});
        if (c.fileBox != nullptr) {  // a cancelled chooser gives the name it held before
            EXPECT_EQ(c.fileBox->content(), w.通用对话框1.fileName);
        }
    }
    EXPECT_EQ(w.SD编辑框1.content(), "C:\\b\\y.img");
    EXPECT_EQ(w.SYS编辑框1.content(), "C:\\b\\y.img");
}

TEST_F(Selection, ACancelBeforeAnyChoiceEmptiesTheFileBox) {
    Select(w.SD单选框);
    SelectCardPush(w, host);
    EXPECT_EQ(w.SD编辑框1.content(), "");
    host.ClearCalls();
    RunSelectedPush(w, host);
    EXPECT_EQ(host.calls(), Record{kNoFile});
}

TEST_F(Selection, NextRunsTheSelectedOperationOrNothing) {
    struct Case {
        ui::RadioButton* button;
        bool noroot;
        std::string thirdCall;  // "" when nothing runs at all
    };
    w.SYS编辑框1.setContent("C:\\apps\\Foo.apk");
    w.SD编辑框1.setContent("C:\\music\\a.mp3");
    const Case cases[] = {
        {nullptr, true, ""},
        {&w.APK单选框, false, R"(AppendLog("开始安装...\r\nC:\\apps\\Foo.apk\r\n"))"},
        {&w.SD单选框, false,
         R"(AppendLog("准备将:\r\nC:\\music\\a.mp3\r\n复制到:\r\n/sdcard/\r\n"))"},
        {&w.SYS单选框, true, R"(AppendLog("正在尝试重启您的手机..\r\n"))"},
        {&w.SYS单选框, false,
         R"(AppendLog("准备将:\r\nC:\\apps\\Foo.apk\r\n复制到:\r\n/system/app/\r\n"))"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thirdCall);
        for (ui::RadioButton* button : {&w.APK单选框, &w.SD单选框, &w.SYS单选框}) {
            button->setChecked(button == c.button);
        }
        w.NOROOT.setChecked(c.noroot);
        host.ClearCalls();
        host.chooserPaths = {Text("C:\\apps\\Foo.apk")};
        host.messageResults = {0, 1};  // the system pushes stop at their confirmation
        RunSelectedPush(w, host);
        const std::size_t third = c.button == &w.APK单选框 ? 3 : 2;  // after the chooser
        if (c.thirdCall.empty()) {
            EXPECT_EQ(host.calls(), Record{});
        } else {
            ASSERT_GT(host.calls().size(), third);
            EXPECT_EQ(host.calls()[third], c.thirdCall);
        }
    }
}

TEST_F(Selection, TheStartSequenceDisablesPerOperationAndTheReturnRestoresTheForm) {
    struct Case {
        ui::RadioButton& button;
        bool noroot;
        const char* disabledByStart;  // APK单选框, SD单选框, SYS单选框, SYS编辑框
    };
    const Case cases[] = {
        {w.APK单选框, false, "-xxx"},  // SYS编辑框 from the template
        {w.SD单选框, false, "xxxx"},
        {w.SYS单选框, true, "xxxx"},
        {w.SYS单选框, false, "xxxx"},
    };
    w.SD编辑框1.setContent("C:\\music\\a.mp3");
    w.SYS编辑框1.setContent("C:\\apps\\Foo.apk");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button.name());
        Select(c.button);
        w.SYS编辑框.setDisabled(&c.button != &w.SYS单选框);  // as the radio click left it
        w.NOROOT.setChecked(c.noroot);
        host.ClearCalls();
        host.chooserPaths = {Text("C:\\apps\\Foo.apk")};
        RunSelectedPush(w, host);
        EXPECT_EQ(DisabledByStart(), c.disabledByStart);
        EXPECT_TRUE(w.信息显示窗.visible());
        EXPECT_TRUE(w.信息窗口返回.visible());
        EXPECT_TRUE(w.信息显示窗.content().bytes().starts_with(
            Text("请勿断开手机连接...\r\n正在部署...\r\n").bytes()));

        const Text log = w.信息显示窗.content();
        ReturnToForm(w);
        EXPECT_FALSE(w.信息显示窗.visible());
        EXPECT_FALSE(w.信息窗口返回.visible());
        EXPECT_EQ(DisabledByStart(), "---x");
        EXPECT_TRUE(c.button.checked());
        EXPECT_EQ(w.信息显示窗.content(), log);
    }
}

}  // namespace
}  // namespace tarnwick::push::testing
