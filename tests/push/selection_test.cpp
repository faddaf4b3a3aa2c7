// The push window's form: the radio buttons, the dispatch of 推送服务下一步 with the start
// sequence of each operation, and the return from the log view.
#include <functional>

#include "push/push_dispatch.h"
#include "push/push_selection.h"
#include "tests/push/push_window_test.h"

namespace tarnwick::push::testing {
namespace {

class Selection : public PushWindowTest {
protected:
    // x for each disabled control, - for each enabled one.
    static std::string Disabled(std::initializer_list<const ui::Control*> controls) {
        std::string marks;
        for (const ui::Control* control : controls) {
            marks += control->disabled() ? 'x' : '-';
        }
        return marks;
    }
    std::string DisabledBoxes() const {
        return Disabled({&w.SD编辑框, &w.SD编辑框1, &w.SYS编辑框, &w.SYS编辑框1});
    }
};

TEST_F(Selection, RadioButtonsSetUpTheirBoxesAndThePushesOpenTheChooserOnEveryClick) {
    struct Case {
        ui::RadioButton& button;
        std::function<void()> click;
        const char* disabledBoxes;
        bool noroot;
        const char* chooser;  // its file name before and its answer; "" when it stays shut
        Text fileBox;
    };
    host.chooserPaths = {std::nullopt, Text("C:\\a\\x.bin"), std::nullopt};
    const Case cases[] = {
        {w.SD单选框, [&] { SelectCardPush(w, host); }, "--xx", false, R"("") -> cancelled)", ""},
        {w.SYS单选框, [&] { SelectSystemPush(w, host); }, "xx--", true, R"("") -> "C:\\a\\x.bin")",
         "C:\\a\\x.bin"},
        {w.APK单选框, [&] { SelectApkInstall(w); }, "xxxx", false, "", ""},
        {w.SD单选框, [&] { SelectCardPush(w, host); }, "--xx", false,
         R"("C:\\a\\x.bin") -> cancelled)", "C:\\a\\x.bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button.name());
        host.ClearCalls();
        Select(c.button);
        c.click();
        EXPECT_EQ(DisabledBoxes(), c.disabledBoxes);
        EXPECT_EQ(w.NOROOT.visible(), c.noroot);
        const std::string chooser(c.chooser);
        EXPECT_EQ(host.calls(), chooser.empty()
                                    ? Record{}
                                    : Record{R"(ChooseFile(0, "全部文件(*.*)|*.*", )" + chooser});
        if (!chooser.empty()) {
            EXPECT_EQ((&c.button == &w.SD单选框 ? w.SD编辑框1 : w.SYS编辑框1).content(), c.fileBox);
        }
    }
}

TEST_F(Selection, NextRunsTheSelectedOperationBehindTheLogViewAndTheReturnRestoresTheForm) {
    struct Case {
        ui::RadioButton* button;
        bool noroot;
        const char* disabledByStart;  // APK单选框, SD单选框, SYS单选框, SYS编辑框
        std::string firstLog;         // after "正在部署..."; "" when nothing runs
    };
    w.SYS编辑框1.setContent("C:\\apps\\Foo.apk");
    w.SD编辑框1.setContent("C:\\music\\a.mp3");
    const Case cases[] = {
        {nullptr, false, "---x", ""},
        {&w.APK单选框, false, "-xxx", R"(AppendLog("开始安装...\r\nC:\\apps\\Foo.apk\r\n"))"},
        {&w.SD单选框, false, "xxxx",
         R"(AppendLog("准备将:\r\nC:\\music\\a.mp3\r\n复制到:\r\n/sdcard/\r\n"))"},
        {&w.SYS单选框, true, "xxxx", R"(AppendLog("正在尝试重启您的手机..\r\n"))"},
        {&w.SYS单选框, false, "xxxx",
         R"(AppendLog("准备将:\r\nC:\\apps\\Foo.apk\r\n复制到:\r\n/system/app/\r\n"))"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstLog);
        for (ui::RadioButton* button : {&w.APK单选框, &w.SD单选框, &w.SYS单选框}) {
            button->setChecked(button == c.button);
        }
        w.NOROOT.setChecked(c.noroot);
        w.SYS编辑框.setDisabled(c.button != &w.SYS单选框);  // as the radio click left it
        host.ClearCalls();
        host.chooserPaths = {Text("C:\\apps\\Foo.apk")};
        RunSelectedPush(w, host);
        EXPECT_EQ(Disabled({&w.APK单选框, &w.SD单选框, &w.SYS单选框, &w.SYS编辑框}),
                  c.disabledByStart);
        if (c.firstLog.empty()) {
            EXPECT_EQ(host.calls(), Record{});
            continue;
        }
        const std::size_t chooser = c.button == &w.APK单选框 ? 1 : 0;
        EXPECT_EQ(host.calls()[chooser], R"(AppendLog("正在部署...\r\n"))");
        EXPECT_EQ(host.calls()[chooser + 2], c.firstLog);
        EXPECT_TRUE(w.信息显示窗.content().bytes().starts_with(
            Text("请勿断开手机连接...\r\n正在部署...\r\n").bytes()));
        EXPECT_TRUE(w.信息显示窗.visible() && w.信息窗口返回.visible());

        const Text log = w.信息显示窗.content();
        ReturnToForm(w);
        EXPECT_FALSE(w.信息显示窗.visible() || w.信息窗口返回.visible());
        EXPECT_EQ(Disabled({&w.APK单选框, &w.SD单选框, &w.SYS单选框, &w.SYS编辑框}), "---x");
        EXPECT_TRUE(c.button->checked());
        EXPECT_EQ(w.信息显示窗.content(), log);
    }
}

}  // namespace
}  // namespace tarnwick::push::testing
