#include "compile/browse.h"

#include "compile/task_selection.h"
#include "host/path_parts.h"
#include "steps/choose_file.h"

namespace tarnwick::compile {

namespace {

constexpr const char* kApkFilter = "APK文件(*.apk)|*.apk";
constexpr const char* kFolderInstruction = "选择目录";

// apktool d -f empties its output folder first, so a folder the user chose would lose its
// files: the APK is decoded into a folder of its own name inside it.
Text DecodeFolderIn(const Text& chosen, const Text& apk) {
    const Text name = NameOf(OutputNameFor(apk));
    if (name == "") {
        return "";  // no APK chosen yet: its choice names the folder
    }
    const bool isRoot = NameOf(chosen) == "";  // a drive's root ends with its backslash
    return chosen + (isRoot ? "" : "\\") + name;
}

}  // namespace

void ChooseInput(ui::CompileWindow& w, Host& host) {
    if (w.反编译.checked()) {
        if (const auto apk =
                ChooseFileIfConfirmed(host, w.通用对话框1, FileChooser::Open, kApkFilter)) {
            w.资源3.setContent(*apk);
            w.资源4.setContent(OutputNameFor(*apk));
        }
    }
    if (w.回编译.checked()) {
        if (const Text folder = host.ChooseFolder(kFolderInstruction); folder != "") {
            w.资源3.setContent(folder);
        }
    }
    if (w.签名.checked()) {
        if (const auto apk =
                ChooseFileIfConfirmed(host, w.通用对话框1, FileChooser::Open, kApkFilter)) {
            w.资源3.setContent(*apk);
            w.资源4.setContent("");  // the signed APK is named by the user
        }
    }
}

void ChooseOutput(ui::CompileWindow& w, Host& host) {
    if (w.反编译.checked()) {
        if (const Text folder = host.ChooseFolder(kFolderInstruction); folder != "") {
            w.资源4.setContent(DecodeFolderIn(folder, w.资源3.content()));
        }
    }
    for (const ui::CheckBox* makesApk : {&w.回编译, &w.签名}) {
        if (makesApk->checked()) {
            if (const auto apk =
                    ChooseFileIfConfirmed(host, w.通用对话框1, FileChooser::Save, kApkFilter)) {
                w.资源4.setContent(*apk);
            }
        }
    }
}

void OpenDriveC(Host& host) {
    host.ShellOpen(4, "c:\\");  // verb 4: open
}

}  // namespace tarnwick::compile
