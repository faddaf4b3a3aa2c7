// The form's reactions: the task switch, the operation check boxes, the output name that
// follows the input, and the browse buttons with their shared chooser.
#include "compile/browse.h"
#include "tests/compile/compile_window_test.h"

namespace tarnwick::compile::testing {
namespace {

using Form = CompileWindowTest;

constexpr const char* kApkFilter = R"("APK文件(*.apk)|*.apk")";

TEST_F(Form, EachTaskEnablesItsOwnControlsAndKeepsMarksAndTexts) {
    // E enabled, d disabled: 资源1 资源2 图形按钮1 图形按钮2 | 反编译 回编译 签名 图形按钮3
    // 图形按钮4 资源3 资源4 | 标签2 标签3.
    const auto states = [this] {
        std::string text;
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{
                 &w.资源1, &w.资源2, &w.图形按钮1, &w.图形按钮2, &w.反编译, &w.回编译, &w.签名,
                 &w.图形按钮3, &w.图形按钮4, &w.资源3, &w.资源4, &w.标签2, &w.标签3}) {
            text += c->disabled() ? 'd' : 'E';
        }
        return text;
    };
    ASSERT_EQ(states(), "EEEEddddddddd");  // the template's start
    w.签名.setChecked(true);
    w.资源1.setContent("Z:\\fw\\framework-res.apk");

    SelectCompileTask(w);
    EXPECT_EQ(states(), "ddddEEEEEEEdd");
    SelectFrameworkTask(w);
    EXPECT_EQ(states(), "EEEEddddddddd");
    EXPECT_TRUE(w.签名.checked());
    EXPECT_EQ(w.资源1.content(), "Z:\\fw\\framework-res.apk");
}

TEST_F(Form, AnOperationClickLeavesOnlyItsOwnMarkAndClearsBothPaths) {
    SelectCompile();
    const auto marks = [this] {
        return std::string{w.反编译.checked() ? '1' : '0', w.回编译.checked() ? '1' : '0',
                           w.签名.checked() ? '1' : '0'};
    };
    struct Case {
        ui::CheckBox* box;
        const char* marks;
    };
    // The last click unchecks the checked box: no operation is left.
    for (const Case& c : {Case{&w.反编译, "100"}, Case{&w.回编译, "010"}, Case{&w.签名, "001"},
                          Case{&w.反编译, "100"}, Case{&w.反编译, "000"}}) {
        SCOPED_TRACE(c.box->name());
        w.资源3.setContent("C:\\in.apk");
        w.资源4.setContent("C:\\out.apk");
        ClickOperation(*c.box);
        EXPECT_EQ(marks(), c.marks);
        EXPECT_EQ(w.资源3.content(), "");
        EXPECT_EQ(w.资源4.content(), "");
    }
    // Only 反编译 enables the output button.
    w.图形按钮4.setDisabled(true);
    ClickOperation(w.回编译);
    EXPECT_TRUE(w.图形按钮4.disabled());
    ClickOperation(w.反编译);
    EXPECT_FALSE(w.图形按钮4.disabled());
}

TEST_F(Form, TheOutputNameIsTheInputBeforeItsLastApk) {
    const struct {
        Text input;
        Text output;
    } cases[] = {
        {"D:\\apps\\demo.apk", "D:\\apps\\demo"},
        {"C:\\x.apk\\y.apk", "C:\\x.apk\\y"},
        {"C:\\应用\\演示.apk", "C:\\应用\\演示"},
        {"D:\\apps\\demo", ""},      // a folder
        {"D:\\apps\\demo.APK", ""},  // capitals do not count
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        w.资源4.setContent("stale");
        w.资源3.setContent(c.input);  // the content-changed event writes 资源4
        EXPECT_EQ(w.资源4.content(), c.output);
    }
}

TEST_F(Form, EachOperationBrowsesForItsOwnKindOfPath) {
    SelectCompile();
    struct Case {
        ui::CheckBox* operation;
        void (*browse)(ui::CompileWindow&, Host&);
        std::string call;
        Text in;
        Text out;
    };
    const std::string apk = R"("C:\\apps\\demo.apk")";
    const std::string folder = R"(ChooseFolder("选择目录") -> "C:\\apps\\demo")";
    const Case cases[] = {
        {&w.反编译, ChooseInput, "ChooseFile(0, " + std::string(kApkFilter) + ", \"\") -> " + apk,
         "C:\\apps\\demo.apk", "C:\\apps\\demo"},
        {&w.反编译, ChooseOutput, folder, "", "C:\\apps\\demo"},
        {&w.回编译, ChooseInput, folder, "C:\\apps\\demo", ""},
        {&w.回编译, ChooseOutput, "ChooseFile(1, " + std::string(kApkFilter) + ", \"\") -> " + apk,
         "", "C:\\apps\\demo.apk"},
        {&w.签名, ChooseInput, "ChooseFile(0, " + std::string(kApkFilter) + ", \"\") -> " + apk,
         "C:\\apps\\demo.apk", ""},
        {&w.签名, ChooseOutput, "ChooseFile(1, " + std::string(kApkFilter) + ", \"\") -> " + apk,
         "", "C:\\apps\\demo.apk"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        ClickOperation(*c.operation);
        w.通用对话框1.fileName = "";
        host.ClearCalls();
        host.chooserPaths = {Text("C:\\apps\\demo.apk")};
        host.folderChoices = {"C:\\apps\\demo"};
        c.browse(w, host);
        EXPECT_EQ(host.calls(), Record{c.call});
        EXPECT_EQ(w.资源3.content(), c.in);
        EXPECT_EQ(w.资源4.content(), c.out);
        ClickOperation(*c.operation);  // unchecked again
    }
}

TEST_F(Form, ACancelledChooserWritesTheNameItHeldFromEitherKind) {
    SelectCompile();
    ClickOperation(w.签名);
    host.chooserPaths = {Text("C:\\out\\signed.apk")};
    ChooseOutput(w, host);
    ClickOperation(w.回编译);
    ChooseOutput(w, host);  // cancelled
    EXPECT_EQ(w.资源4.content(), "C:\\out\\signed.apk");
    ClickOperation(w.反编译);
    ChooseInput(w, host);  // cancelled: the open kind brings the save kind's name
    EXPECT_EQ(w.资源3.content(), "C:\\out\\signed.apk");
    EXPECT_EQ(w.资源4.content(), "C:\\out\\signed");
    ChooseOutput(w, host);  // a cancelled folder browser gives ""
    EXPECT_EQ(w.资源4.content(), "");
    EXPECT_EQ(host.calls(), Lines(R"(
ChooseFile(1, "APK文件(*.apk)|*.apk", "") -> "C:\\out\\signed.apk"
ChooseFile(1, "APK文件(*.apk)|*.apk", "C:\\out\\signed.apk") -> cancelled
ChooseFile(0, "APK文件(*.apk)|*.apk", "C:\\out\\signed.apk") -> cancelled
ChooseFolder("选择目录") -> "")"));
}

}  // namespace
}  // namespace tarnwick::compile::testing
