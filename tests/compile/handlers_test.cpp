// The compile-mode window's handlers on the real window (offscreen platform) with a FakeHost:
// the task switch, the operation check boxes, the derived output name, the browse buttons, and
// 刷机模式下一步 with each task's checks, messages and exact command lines.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "compile/apk_tools.h"
#include "compile/browse.h"
#include "compile/task_selection.h"
#include "tests/support/call_record.h"
#include "tests/support/fake_host.h"
#include "ui/compile_window.h"
#include "ui/templates.h"

namespace tarnwick::compile::testing {
namespace {

using ::tarnwick::testing::Lines;
using ::tarnwick::testing::Record;

// 资源3's change derives the output name as in the program.
class CompileHandlers : public ::testing::Test {
protected:
    CompileHandlers() : window_(ui::BuildWindow(ui::CompileWindowTemplate())), w(*window_) {
        window_->Show();
        w.资源3.onContentChanged = [this] { DeriveOutputName(w); };
    }
    ~CompileHandlers() override {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A click on an operation check box: its mark toggles, then its handler runs.
    void ClickOperation(ui::CheckBox& box) {
        box.setChecked(!box.checked());
        ChooseOperation(w, box);
    }

    std::unique_ptr<ui::Window> window_;
    ui::CompileWindow w;
    ::tarnwick::testing::FakeHost host;
};

TEST_F(CompileHandlers, TheTaskSwitchesTheControlsAndAnOperationClickClearsTheOthersAndThePaths) {
    // E enabled, d disabled: 资源1 资源2 图形按钮1 图形按钮2 反编译 回编译 签名 图形按钮3
    // 图形按钮4 资源3 资源4 标签2 标签3; then the marks of 反编译 回编译 签名.
    const auto state = [this] {
        std::string text;
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{
                 &w.资源1, &w.资源2, &w.图形按钮1, &w.图形按钮2, &w.反编译, &w.回编译, &w.签名,
                 &w.图形按钮3, &w.图形按钮4, &w.资源3, &w.资源4, &w.标签2, &w.标签3}) {
            text += c->disabled() ? 'd' : 'E';
        }
        for (const ui::CheckBox* box : {&w.反编译, &w.回编译, &w.签名}) {
            text += box->checked() ? '1' : '0';
        }
        return text;
    };
    ASSERT_EQ(state(), "EEEEddddddddd000");
    w.签名.setChecked(true);
    SelectCompileTask(w);
    EXPECT_EQ(state(), "ddddEEEEEEEdd001");
    SelectFrameworkTask(w);
    EXPECT_EQ(state(), "EEEEddddddddd001");  // marks stay

    SelectCompileTask(w);
    const struct {
        ui::CheckBox* box;
        const char* state;
    } clicks[] = {{&w.反编译, "ddddEEEEEEEdd100"},
                  {&w.回编译, "ddddEEEEEEEdd010"},
                  {&w.回编译, "ddddEEEEEEEdd000"}};  // a second click: no operation
    for (const auto& click : clicks) {
        w.资源3.setContent("C:\\in.apk");
        w.资源4.setContent("C:\\out.apk");
        ClickOperation(*click.box);
        EXPECT_EQ(state(), click.state);
        EXPECT_EQ(w.资源3.content().bytes() + w.资源4.content().bytes(), "");
    }
}

TEST_F(CompileHandlers, TheOutputNameIsTheInputBeforeItsLastApk) {
    const Text cases[][2] = {
        {"D:\\apps\\demo.apk", "D:\\apps\\demo"},
        {"C:\\x.apk\\y.apk", "C:\\x.apk\\y"},
        {"C:\\应用\\演示.apk", "C:\\应用\\演示"},
        {"D:\\apps\\folder", ""},
        {"D:\\apps\\demo.APK", ""},
    };
    for (const auto& [input, output] : cases) {
        w.资源4.setContent("stale");
        w.资源3.setContent(input);  // the content-changed event writes 资源4
        EXPECT_EQ(w.资源4.content(), output) << input;
    }
}

TEST_F(CompileHandlers, EachOperationBrowsesForItsKindOfPathWithOneChooserAndACancelKeepsBoth) {
    // A cancelled chooser still remembers the last name confirmed in either kind, and the
    // folder browser answers "": neither may reach a box.
    host.chooserPaths = {
        Text("C:\\a\\demo.apk"),  std::nullopt, std::nullopt, Text("C:\\b.apk"), std::nullopt,
        Text("C:\\b signed.apk"), std::nullopt};
    host.folderChoices = {"C:\\out", "", "C:\\", "C:\\src", ""};
    const struct {
        ui::CheckBox* operation;
        void (*browse)(ui::CompileWindow&, Host&);
        Text in, out;
    } steps[] = {
        {&w.反编译, ChooseInput, "C:\\a\\demo.apk", "C:\\a\\demo"},
        // Into a new folder named after the APK: apktool empties the folder it decodes into.
        {&w.反编译, ChooseOutput, "C:\\a\\demo.apk", "C:\\out\\demo"},
        {&w.反编译, ChooseInput, "C:\\a\\demo.apk", "C:\\out\\demo"},  // not derived again
        {&w.反编译, ChooseOutput, "C:\\a\\demo.apk", "C:\\out\\demo"},
        {&w.反编译, ChooseOutput, "C:\\a\\demo.apk", "C:\\demo"},
        {&w.回编译, ChooseInput, "C:\\src", ""},
        {&w.回编译, ChooseOutput, "C:\\src", ""},  // not the decompiled APK
        {&w.回编译, ChooseInput, "C:\\src", ""},
        {&w.签名, ChooseInput, "C:\\b.apk", ""},
        {&w.签名, ChooseOutput, "C:\\b.apk", ""},  // not the APK to sign
        {&w.签名, ChooseOutput, "C:\\b.apk", "C:\\b signed.apk"},
        {&w.签名, ChooseInput, "C:\\b.apk", "C:\\b signed.apk"},
    };
    for (const auto& step : steps) {
        if (!step.operation->checked()) {
            ClickOperation(*step.operation);
        }
        step.browse(w, host);
        EXPECT_EQ(w.资源3.content(), step.in);
        EXPECT_EQ(w.资源4.content(), step.out);
    }
    EXPECT_EQ(host.calls(), Lines(R"(
ChooseFile(0, "APK文件(*.apk)|*.apk", "") -> "C:\\a\\demo.apk"
ChooseFolder("选择目录") -> "C:\\out"
ChooseFile(0, "APK文件(*.apk)|*.apk", "C:\\a\\demo.apk") -> cancelled
ChooseFolder("选择目录") -> ""
ChooseFolder("选择目录") -> "C:\\"
ChooseFolder("选择目录") -> "C:\\src"
ChooseFile(1, "APK文件(*.apk)|*.apk", "C:\\a\\demo.apk") -> cancelled
ChooseFolder("选择目录") -> ""
ChooseFile(0, "APK文件(*.apk)|*.apk", "C:\\a\\demo.apk") -> "C:\\b.apk"
ChooseFile(1, "APK文件(*.apk)|*.apk", "C:\\b.apk") -> cancelled
ChooseFile(1, "APK文件(*.apk)|*.apk", "C:\\b.apk") -> "C:\\b signed.apk"
ChooseFile(0, "APK文件(*.apk)|*.apk", "C:\\b signed.apk") -> cancelled)"));
}

constexpr const char* kNoFile =
    R"(ShowMessage("您尚未选择任何文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)";
constexpr const char* kRefused =
    R"(ShowMessage("文件路径中含有不支持的字符!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)";
constexpr const char* kNoOutputName = R"(ShowMessage("请设置要生成的文件名!", 0, "") -> 0)";

// The task is 载入资源 when `operation` is "frameworks", else 编译模式 with that box checked
// ("" none). The record shows "(info window)" where the info window is asked for.
const struct {
    const char* operation;
    Text f1, f2, in, out;
    const char* record;
} kCases[] = {
    {"frameworks", "framework\\framework-res.apk", "Z:\\fw\\b.apk", "", "",
     R"(ShowMessage("请选择名为framework-res.apk的文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"},
    {"frameworks", "Z:\\fw\\framework-res.apk", "framework\\oppo%.apk", "", "", R"(
RunCommand("cmd /c java -jar apktool.jar if Z:\\fw\\framework-res.apk > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"frameworks", "Z:\\fw\\a.apk", "C:\\my fw\\oppo.apk", "", "", R"(
RunCommand("cmd /c java -jar apktool.jar if Z:\\fw\\a.apk > log.txt 2>&1", true, 1) -> exit 0
RunCommand("cmd /c java -jar apktool.jar if \"C:\\my fw\\oppo.apk\" > log2.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"frameworks", "Z:\\fw\\a.apk", "C:\\50%\\oppo.apk", "", "", kRefused},
    {"", "", "", "C:\\a.apk", "C:\\b.apk", ""},
    {"反编译", "", "", "", "C:\\Music", kNoFile},
    {"反编译", "", "", "C:\\a\\demo.APK", "C:\\Music",
     R"(ShowMessage("请选择APK文件!", 0, "") -> 0)"},
    {"反编译", "", "", "C:\\my apps\\a&b.apk", "D:\\apps\\a&b", R"(
PathExists("D:\\apps\\a&b") -> false
LiesInside("C:\\my apps\\a&b.apk", "D:\\apps\\a&b") -> false
RunCommand("cmd /c apktool d -f \"C:\\my apps\\a&b.apk\" -o \"D:\\apps\\a&b\" > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"反编译", "", "", "C:\\a.apk", "", R"(
PathExists("") -> false
LiesInside("C:\\a.apk", "") -> false
RunCommand("cmd /c apktool d -f \"C:\\a.apk\" -o  > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"反编译", "", "", "C:\\a\"b.apk", "C:\\Music", kRefused},
    // apktool d -f empties OUT first: only a folder it made may be decoded into again.
    {"反编译", "", "", "C:\\Music.apk", "C:\\Music", R"(
PathExists("C:\\Music") -> true
IsLink("C:\\Music") -> false
FileExists("C:\\Music\\apktool.yml") -> false
ShowMessage("输出目录已存在,且不是反编译生成的目录!\r\n\r\n请另选目录,或先将其移走!", 0, "警告!") -> 0)"},
    // apktool makes no links: one inside its folder is the user's, and would be followed.
    {"反编译", "", "", "C:\\app.apk", "C:\\app", R"(
PathExists("C:\\app") -> true
IsLink("C:\\app") -> false
FileExists("C:\\app\\apktool.yml") -> true
LiesInside("C:\\app.apk", "C:\\app") -> false
WalkFolder("C:\\app", "C:\\app.apk") -> link
ShowMessage("输出目录已存在,且不是反编译生成的目录!\r\n\r\n请另选目录,或先将其移走!", 0, "警告!") -> 0)"},
    // A walk that could not finish proves nothing, and says where and why it stopped.
    {"反编译", "", "", "C:\\old.apk", "C:\\old", R"(
PathExists("C:\\old") -> true
IsLink("C:\\old") -> false
FileExists("C:\\old\\apktool.yml") -> true
LiesInside("C:\\old.apk", "C:\\old") -> false
WalkFolder("C:\\old", "C:\\old.apk") -> unfinished at "C:\\old\\res": "Permission denied"
ShowMessage("无法检查输出目录:\r\n\r\nC:\\old\\res\r\n\r\nPermission denied", 0, "警告!") -> 0)"},
    // An APK saved into apktool's folder would be emptied away with it.
    {"反编译", "", "", "C:\\work\\app\\app.apk", "C:\\work\\app", R"(
PathExists("C:\\work\\app") -> true
IsLink("C:\\work\\app") -> false
FileExists("C:\\work\\app\\apktool.yml") -> true
LiesInside("C:\\work\\app\\app.apk", "C:\\work\\app") -> true
ShowMessage("要反编译的文件位于输出目录中!\r\n\r\n请另选目录,或先将文件移走!", 0, "警告!") -> 0)"},
    // ... or under another name, found on the walk through it.
    {"反编译", "", "", "C:\\built\\app.apk", "C:\\work\\app", R"(
PathExists("C:\\work\\app") -> true
IsLink("C:\\work\\app") -> false
FileExists("C:\\work\\app\\apktool.yml") -> true
LiesInside("C:\\built\\app.apk", "C:\\work\\app") -> false
WalkFolder("C:\\work\\app", "C:\\built\\app.apk") -> file
ShowMessage("要反编译的文件位于输出目录中!\r\n\r\n请另选目录,或先将文件移走!", 0, "警告!") -> 0)"},
    {"回编译", "", "", "C:\\src", "C:\\out", kNoOutputName},
    {"回编译", "", "", "C:\\my src", "C:\\new (1).apk", R"(
RunCommand("cmd /c apktool b -f \"C:\\my src\" -o \"C:\\new (1).apk\" > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"签名", "", "", "C:\\a.apk", "C:\\signed", kNoOutputName},
    {"签名", "", "", "C:\\in.zip", "C:\\a b.apk", R"(
SameFile("C:\\in.zip", "C:\\a b.apk") -> false
ProgramDirectory() -> "C:\\Tarnwick"
CheckSigningPair("C:\\Tarnwick\\testkey.x509.pem", "C:\\Tarnwick\\testkey.pk8") -> fault 0
RunCommand("cmd /c java -jar signapk.jar testkey.x509.pem testkey.pk8 C:\\in.zip \"C:\\a b.apk\" > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"签名", "", "", "C:\\a.apk", "C:\\x\t.apk", kRefused},
    // signapk truncates OUT first: IN under any of its paths would be lost.
    {"签名", "", "", "C:\\a.apk", "C:\\a.apk",
     R"(
SameFile("C:\\a.apk", "C:\\a.apk") -> true
ShowMessage("生成的文件不能与原文件相同!\r\n\r\n请设置其他文件名!", 0, "") -> 0)"},
};

TEST_F(CompileHandlers, EachTaskChecksItsPathsThenRunsAndShowsTheOutput) {
    host.folders = {"C:\\Music", "C:\\app", "C:\\old", "C:\\work\\app"};  // Music is the user's
    host.files = {{"C:\\a.apk", "apk"},
                  {"C:\\app\\apktool.yml", "version"},
                  {"C:\\old\\apktool.yml", "version"},
                  {"C:\\work\\app\\apktool.yml", "version"},
                  {"C:\\work\\app\\dist\\app.apk", "apk"}};
    host.links = {"C:\\app\\res\\more"};
    host.unreadable = {{"C:\\old\\res", "Permission denied"}};
    host.sameFiles = {{"C:\\built\\app.apk", "C:\\work\\app\\dist\\app.apk"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.record);
        w.载入资源.setChecked(c.operation == std::string("frameworks"));
        w.编译模式.setChecked(!w.载入资源.checked());
        for (ui::CheckBox* box : {&w.反编译, &w.回编译, &w.签名}) {
            box->setChecked(box->name() == c.operation);
        }
        w.资源1.setContent(c.f1);
        w.资源2.setContent(c.f2);
        w.资源3.setContent(c.in);
        w.资源4.setContent(c.out);
        host.ClearCalls();
        std::optional<std::size_t> shownAfter;
        RunSelectedTask(w, host, [&] { shownAfter = host.calls().size(); });
        Record record = host.calls();
        if (shownAfter) {
            record.insert(record.begin() + static_cast<std::ptrdiff_t>(*shownAfter),
                          "(info window)");
        }
        EXPECT_EQ(record, Lines(c.record));
    }
    w.编译模式.setChecked(false);  // no task: nothing happens
    host.ClearCalls();
    RunSelectedTask(w, host, [] { FAIL(); });
    EXPECT_TRUE(host.calls().empty());
}

// The pair may be the user's own: it is named as the system names it, with why it cannot sign,
// and moved aside, never deleted, before a new one comes from where the program gets its pair.
TEST_F(CompileHandlers, ASigningPairThatCannotSignIsNamedAndJavaNeverRuns) {
#ifdef _WIN32
    const char* const pair = R"(C:\\Tarnwick\\testkey.x509.pem\r\nC:\\Tarnwick\\testkey.pk8)";
    const char* const fromTheFolder = "然后从程序的压缩包中将这两个文件复制到程序文件夹!";
#else
    const char* const pair = R"(~/Tarnwick/testkey.x509.pem\r\n~/Tarnwick/testkey.pk8)";
    const char* const fromTheFolder = "然后对程序文件夹运行 scripts/stage-apk-tools.sh";
#endif
    const struct {
        SigningPairFault fault;
        bool startMakesPair;
        std::string reason, newPair;
    } cases[] = {
        {SigningPairFault::KeyEncrypted, true, "私钥已加密,签名时无法输入密码。",
         "然后重新启动程序,程序会生成一对新的密钥文件!"},
        {SigningPairFault::NotThePair, false, "私钥与证书不是同一对密钥。", fromTheFolder},
    };
    w.载入资源.setChecked(false);
    w.编译模式.setChecked(true);
    w.签名.setChecked(true);
    w.资源3.setContent("C:\\a.apk");
    w.资源4.setContent("C:\\b.apk");
    for (const auto& c : cases) {
        host.signingPairFault = c.fault;
        host.startMakesSigningPair = c.startMakesPair;
        RunSelectedTask(w, host, [] { FAIL(); });
        const std::string shown = host.calls().back();
        EXPECT_TRUE(shown.starts_with(R"(ShowMessage("签名密钥文件无法用于签名:\r\n\r\n)" +
                                      std::string(pair) + R"(\r\n\r\n)" + c.reason +
                                      R"(\r\n\r\n请将这两个文件移到别处保存(不要删除)"))
            << shown;
        EXPECT_NE(shown.find(c.newPair), std::string::npos) << shown;
        EXPECT_EQ(shown.find("删除这两个文件"), std::string::npos) << shown;
    }
}

}  // namespace
}  // namespace tarnwick::compile::testing
