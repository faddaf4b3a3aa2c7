#include "compile/apk_tools.h"

#include "host/command_paths.h"
#include "host/paths.h"
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

// apktool d -f empties OUT before it reads the APK, following links inside it: only a folder
// that apktool made (apktool.yml directly in it, no link or mount point anywhere in it, for
// apktool makes none) or none at all may be OUT, never a link; and the APK must not lie inside
// OUT by any of its names: its path with every link followed, or the file itself met on the
// walk through OUT (a hard link, a mount of a folder of OUT elsewhere). A walk that cannot
// finish proves nothing: OUT is refused, with the folder it stopped at and why.
bool CheckDecodeFolder(Host& host, const Text& in, const Text& out) {
    const bool exists = host.PathExists(out);
    const bool apktools = !exists || (!host.IsLink(out) && host.FileExists(out + "\\apktool.yml"));
    // The path first: where it shows the APK inside OUT, the walk need not look.
    const bool inside = apktools && host.LiesInside(in, out);
    const FolderWalkResult walked =
        apktools && exists && !inside ? host.WalkFolder(out, in) : FolderWalkResult();
    const FolderWalk walk = walked.found;
    if (walk == FolderWalk::Unfinished) {
        host.ShowMessage("无法检查输出目录:\r\n\r\n" + walked.folder + "\r\n\r\n" + walked.reason,
                         0, "警告!");
        return false;
    }
    if (!apktools || walk == FolderWalk::HoldsLink) {
        host.ShowMessage("输出目录已存在,且不是反编译生成的目录!\r\n\r\n请另选目录,或先将其移走!",
                         0, "警告!");
        return false;
    }
    if (inside || walk == FolderWalk::HoldsFile) {
        host.ShowMessage("要反编译的文件位于输出目录中!\r\n\r\n请另选目录,或先将文件移走!", 0,
                         "警告!");
        return false;
    }
    return true;
}

// The key files lie in the program folder, the current directory.
constexpr const char* kCertificate = "testkey.x509.pem";
constexpr const char* kKey = "testkey.pk8";

const char* SigningPairFaultReason(SigningPairFault fault) {
    switch (fault) {
        case SigningPairFault::CertificateMissing:
            return "证书文件不存在。";
        case SigningPairFault::KeyMissing:
            return "私钥文件不存在。";
        case SigningPairFault::CertificateUnreadable:
            return "证书文件无法读取(不是普通文件,或您没有读取它的权限)。";
        case SigningPairFault::KeyUnreadable:
            return "私钥文件无法读取(不是普通文件,或您没有读取它的权限)。";
        case SigningPairFault::CertificateEmpty:
            return "证书文件是空的。";
        case SigningPairFault::KeyEmpty:
            return "私钥文件是空的。";
        case SigningPairFault::NotACertificate:
            return "证书文件不是PEM或DER格式的证书。";
        case SigningPairFault::NotAKey:
            return "私钥文件不是未加密的PKCS#8(DER)格式私钥。";
        case SigningPairFault::KeyEncrypted:
            return "私钥已加密,签名时无法输入密码。";
        case SigningPairFault::NotThePair:
            return "私钥与证书不是同一对密钥。";
        case SigningPairFault::None:
            break;
    }
    return "";
}

// The pair may be the user's own, needed to update the APKs signed with it: it is moved aside,
// never deleted, and a new one comes from wherever this program gets its pair.
const char* const kMovePairAside =
    "请将这两个文件移到别处保存(不要删除:更新用它们签名过的APK时还需要它们),\r\n";
const char* const kNewPairAtStart = "然后重新启动程序,程序会生成一对新的密钥文件!";
#ifdef _WIN32
const char* const kNewPairOfTheFolder = "然后从程序的压缩包中将这两个文件复制到程序文件夹!";
#else
const char* const kNewPairOfTheFolder =
    "然后对程序文件夹运行 scripts/stage-apk-tools.sh(scripts/run.sh 对 build/stage 运行它),\r\n"
    "它会生成一对新的密钥文件!";
#endif

// signapk truncates OUT before it reads IN: the same file by any path would be lost. With a
// pair that cannot sign, signapk fails without a word the user could act on, or waits for the
// password of an encrypted key: the pair is named instead, with why and what to do.
bool CheckSigning(Host& host, const Text& in, const Text& out) {
    if (host.SameFile(in, out)) {
        host.ShowMessage("生成的文件不能与原文件相同!\r\n\r\n请设置其他文件名!", 0, "");
        return false;
    }
    const Text folder = host.ProgramDirectory() + "\\";
    const Text certificate = folder + kCertificate;
    const Text key = folder + kKey;
    const SigningPairFault fault = host.CheckSigningPair(certificate, key);
    if (fault == SigningPairFault::None) {
        return true;
    }
    const char* newPair = host.StartMakesSigningPair() ? kNewPairAtStart : kNewPairOfTheFolder;
    host.ShowMessage("签名密钥文件无法用于签名:\r\n\r\n" + ShownPath(certificate) + "\r\n" +
                         ShownPath(key) + "\r\n\r\n" + SigningPairFaultReason(fault) + "\r\n\r\n" +
                         kMovePairAside + newPair,
                     0, "警告!");
    return false;
}

// An operation of the compile task on IN (资源3) and OUT (资源4): IN must be chosen, one of
// them must name an APK, OUT must be safe to hand to its tool, and its tool's command line.
struct ApkOperation {
    enum { Input, Output } apkPath;
    const char* noApkMessage;  // shown with an empty title
    Text (*commandLine)(const Text& in, const Text& out);
    bool (*checkOutput)(Host& host, const Text& in, const Text& out) = nullptr;
};

// IN of decompile and rebuild always stands in double quotes. An empty OUT of decompile leaves
// -o without a folder name.
const ApkOperation kDecompile = {ApkOperation::Input, "请选择APK文件!",
                                 [](const Text& in, const Text& out) {
                                     return "cmd /c apktool d -f " + QuotedCommandLinePath(in) +
                                            " -o " + CommandLinePath(out);
                                 },
                                 CheckDecodeFolder};
const ApkOperation kRebuild = {
    ApkOperation::Output, "请设置要生成的文件名!", [](const Text& in, const Text& out) {
        return "cmd /c apktool b -f " + QuotedCommandLinePath(in) + " -o " + CommandLinePath(out);
    }};
const ApkOperation kSign = {ApkOperation::Output, "请设置要生成的文件名!",
                            [](const Text& in, const Text& out) {
                                return "cmd /c java -jar signapk.jar " + Text(kCertificate) + " " +
                                       kKey + " " + CommandLinePath(in) + " " +
                                       CommandLinePath(out);
                            },
                            CheckSigning};

void RunApkOperation(ui::CompileWindow& w, Host& host, const ApkOperation& operation,
                     const ShowOutput& showOutput) {
    const Text in = w.资源3.content();
    const Text out = w.资源4.content();
    const Text& apk = operation.apkPath == ApkOperation::Input ? in : out;
    if (!CheckPathChosen(host, in) ||
        !CheckPathHolds(host, apk, ".apk", operation.noApkMessage, "") ||
        !CheckCommandLinePaths(host, {in, out}) ||
        (operation.checkOutput != nullptr && !operation.checkOutput(host, in, out))) {
        return;
    }
    RunTool(host, operation.commandLine(in, out), "log.txt");
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
        return RunApkOperation(w, host, kDecompile, showOutput);
    }
    if (w.回编译.checked()) {
        return RunApkOperation(w, host, kRebuild, showOutput);
    }
    if (w.签名.checked()) {
        return RunApkOperation(w, host, kSign, showOutput);
    }
}

}  // namespace tarnwick::compile
