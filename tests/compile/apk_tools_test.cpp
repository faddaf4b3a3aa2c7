// 刷机模式下一步 of the compile-mode window: each task's checks with their messages and
// titles, and each run's exact command line, followed by the info window.
#include "compile/apk_tools.h"

#include <optional>

#include "tests/compile/compile_window_test.h"

namespace tarnwick::compile::testing {
namespace {

enum class Task { Frameworks, Compile, None };

struct Case {
    const char* what;
    Task task;
    const char* operation;  // the checked box of the compile task, or ""
    Text f1, f2, in, out;
    const char* record;
};

constexpr const char* kTemplateF1 = "framework\\framework-res.apk";
constexpr const char* kTemplateF2 = "framework\\oppo-framework-res.apk";

const Case kCases[] = {
    {"the template's framework path", Task::Frameworks, "", kTemplateF1, kTemplateF2, "", "", R"(
ShowMessage("请选择名为framework-res.apk的文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"},
    {"one absolute framework path", Task::Frameworks, "", "Z:\\fw\\framework-res.apk", kTemplateF2,
     "", "", R"(
RunCommand("cmd /c java -jar apktool.jar if Z:\\fw\\framework-res.apk > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"two absolute framework paths", Task::Frameworks, "", "Z:\\fw\\framework-res.apk",
     "C:\\my fw\\oppo-framework-res.apk", "", "", R"(
RunCommand("cmd /c java -jar apktool.jar if Z:\\fw\\framework-res.apk > log.txt 2>&1", true, 1) -> exit 0
RunCommand("cmd /c java -jar apktool.jar if \"C:\\my fw\\oppo-framework-res.apk\" > log2.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"a second framework path with %", Task::Frameworks, "", "Z:\\fw\\framework-res.apk",
     "C:\\50%\\oppo.apk", "", "", R"(
ShowMessage("文件路径中含有不支持的字符!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"},
    {"a relative second path with % is skipped", Task::Frameworks, "", "Z:\\fw\\f.apk", "50%", "",
     "", R"(
RunCommand("cmd /c java -jar apktool.jar if Z:\\fw\\f.apk > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"decompile without input", Task::Compile, "反编译", "", "", "", "C:\\out", R"(
ShowMessage("您尚未选择任何文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"},
    {"decompile of a capital .APK", Task::Compile, "反编译", "", "", "C:\\a\\demo.APK", "C:\\out",
     R"(
ShowMessage("请选择APK文件!", 0, "") -> 0)"},
    {"decompile", Task::Compile, "反编译", "", "", "D:\\apps\\demo.apk", "D:\\apps\\demo", R"(
RunCommand("cmd /c apktool d -f \"D:\\apps\\demo.apk\" -o D:\\apps\\demo > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"decompile with blanks and an empty output", Task::Compile, "反编译", "", "",
     "C:\\my apps\\a&b.apk", "", R"(
RunCommand("cmd /c apktool d -f \"C:\\my apps\\a&b.apk\" -o  > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"decompile of a path with a quote", Task::Compile, "反编译", "", "", "C:\\a\"b.apk", "C:\\out",
     R"(
ShowMessage("文件路径中含有不支持的字符!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"},
    {"rebuild without input", Task::Compile, "回编译", "", "", "", "C:\\x.apk", R"(
ShowMessage("您尚未选择任何文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"},
    {"rebuild without output name", Task::Compile, "回编译", "", "", "C:\\src", "C:\\out", R"(
ShowMessage("请设置要生成的文件名!", 0, "") -> 0)"},
    {"rebuild", Task::Compile, "回编译", "", "", "C:\\my src", "C:\\out\\new (1).apk", R"(
RunCommand("cmd /c apktool b -f \"C:\\my src\" -o \"C:\\out\\new (1).apk\" > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"sign without input", Task::Compile, "签名", "", "", "", "C:\\x.apk", R"(
ShowMessage("您尚未选择任何文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"},
    {"sign without output name", Task::Compile, "签名", "", "", "C:\\a.apk", "C:\\signed", R"(
ShowMessage("请设置要生成的文件名!", 0, "") -> 0)"},
    {"sign; its input needs no .apk", Task::Compile, "签名", "", "", "C:\\in\\a.zip",
     "C:\\out\\a b.apk", R"(
RunCommand("cmd /c java -jar signapk.jar testkey.x509.pem testkey.pk8 C:\\in\\a.zip \"C:\\out\\a b.apk\" > log.txt 2>&1", true, 1) -> exit 0
(info window))"},
    {"sign to a path with a control character", Task::Compile, "签名", "", "", "C:\\a.apk",
     "C:\\x\t.apk", R"(
ShowMessage("文件路径中含有不支持的字符!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"},
    {"no operation", Task::Compile, "", "", "", "C:\\a.apk", "C:\\b.apk", ""},
    {"no task", Task::None, "反编译", "Z:\\fw\\f.apk", "", "C:\\a.apk", "C:\\b", ""},
};

TEST_F(CompileWindowTest, EachTaskChecksItsPathsThenRunsAndShowsTheOutput) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        w.载入资源.setChecked(c.task == Task::Frameworks);
        w.编译模式.setChecked(c.task == Task::Compile);
        for (ui::CheckBox* box : {&w.反编译, &w.回编译, &w.签名}) {
            box->setChecked(box->name() == c.operation);
        }
        w.资源1.setContent(c.f1);
        w.资源2.setContent(c.f2);
        w.资源3.setContent(c.in);
        w.资源4.setContent(c.out);
        host.ClearCalls();
        std::optional<std::size_t> shownAfter;  // calls made when the info window was asked for
        RunSelectedTask(w, host, [&] { shownAfter = host.calls().size(); });
        Record record = host.calls();
        if (shownAfter) {
            record.insert(record.begin() + static_cast<std::ptrdiff_t>(*shownAfter),
                          "(info window)");
        }
        EXPECT_EQ(record, Lines(c.record));
    }
}

}  // namespace
}  // namespace tarnwick::compile::testing
