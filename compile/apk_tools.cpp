#include "compile/apk_tools.h"

#include "host/command_paths.h"
#include "steps/commands.h"
#include "steps/path_checks.h"

namespace tarnwick::compile {

namespace {

// A framework path counts only as an absolute path with a drive; the file name is not looked at.
bool HasDrive(const Text& path) {
    return FindText(path, ":\\") != -1;
}

// The tools write their errors (and apktool its warnings) to the error output: both outputs
// go into the log.
void RunTool(Host& host, const Text& commandLine, const Text& log) {
    Run(host, commandLine + " > " + log + " 2>&1");
}

// IN of decompile and rebuild always stands in double quotes.
Text QuotedInput(const Text& input) {
    return "\"" + input + "\"";
}

bool CheckNamesApk(Host& host, const Text& path, const Text& message) {
    return CheckPathHolds(host, path, ".apk", message, "");
}

constexpr const char* kNotAnApk = "请选择APK文件!";
constexpr const char* kNoOutputName = "请设置要生成的文件名!";

void InstallFrameworks(ui::CompileWindow& w, Host& host, const ShowOutput& showOutput) {
    const Text first = w.资源1.content();
    const Text second = w.资源2.content();
    if (!HasDrive(first)) {
        host.ShowMessage(
            "请选择名为framework-res.apk的文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0,
            "警告!");
        return;
    }
    // A second path without a drive is skipped without a word.
    const bool withSecond = HasDrive(second);
    if (!CheckCommandLinePaths(host, {first, withSecond ? second : Text()})) {
        return;
    }
    RunTool(host, "cmd /c java -jar apktool.jar if " + CommandLinePath(first), "log.txt");
    if (withSecond) {
        RunTool(host, "cmd /c java -jar apktool.jar if " + CommandLinePath(second), "log2.txt");
    }
    showOutput();
}

void Decompile(ui::CompileWindow& w, Host& host, const ShowOutput& showOutput) {
    const Text apk = w.资源3.content();
    const Text folder = w.资源4.content();  // not checked: empty leaves -o without a name
    if (!CheckPathChosen(host, apk) || !CheckNamesApk(host, apk, kNotAnApk) ||
        !CheckCommandLinePaths(host, {apk, folder})) {
        return;
    }
    RunTool(host, "cmd /c apktool d -f " + QuotedInput(apk) + " -o " + CommandLinePath(folder),
            "log.txt");
    showOutput();
}

void Rebuild(ui::CompileWindow& w, Host& host, const ShowOutput& showOutput) {
    const Text folder = w.资源3.content();
    const Text apk = w.资源4.content();
    if (!CheckPathChosen(host, folder) || !CheckNamesApk(host, apk, kNoOutputName) ||
        !CheckCommandLinePaths(host, {folder, apk})) {
        return;
    }
    RunTool(host, "cmd /c apktool b -f " + QuotedInput(folder) + " -o " + CommandLinePath(apk),
            "log.txt");
    showOutput();
}

void Sign(ui::CompileWindow& w, Host& host, const ShowOutput& showOutput) {
    const Text apk = w.资源3.content();
    const Text signedApk = w.资源4.content();
    if (!CheckPathChosen(host, apk) || !CheckNamesApk(host, signedApk, kNoOutputName) ||
        !CheckCommandLinePaths(host, {apk, signedApk})) {
        return;
    }
    // The key files lie in the program folder, the current directory.
    RunTool(host,
            "cmd /c java -jar signapk.jar testkey.x509.pem testkey.pk8 " + CommandLinePath(apk) +
                " " + CommandLinePath(signedApk),
            "log.txt");
    showOutput();
}

}  // namespace

void RunSelectedTask(ui::CompileWindow& w, Host& host, const ShowOutput& showOutput) {
    if (w.载入资源.checked()) {
        return InstallFrameworks(w, host, showOutput);
    }
    if (!w.编译模式.checked()) {
        return;
    }
    if (w.反编译.checked()) {
        return Decompile(w, host, showOutput);
    }
    if (w.回编译.checked()) {
        return Rebuild(w, host, showOutput);
    }
    if (w.签名.checked()) {
        return Sign(w, host, showOutput);
    }
}

}  // namespace tarnwick::compile
