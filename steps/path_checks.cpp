#include "steps/path_checks.h"

#include <algorithm>

#include "host/command_paths.h"
#include "host/encoding.h"

namespace tarnwick {

bool CheckPathChosen(Host& host, const Text& path) {
    if (path == "") {
        host.ShowMessage("您尚未选择任何文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!");
        return false;
    }
    return true;
}

bool CheckPathHolds(Host& host, const Text& path, const Text& extension, const Text& message,
                    const Text& title) {
    if (FindText(path, extension) == -1) {
        host.ShowMessage(message, 0, title);
        return false;
    }
    return true;
}

bool CheckChosenPath(Host& host, const Text& path, const Text& extension,
                     const Text& wrongExtensionMessage) {
    return CheckPathChosen(host, path) &&
           CheckPathHolds(host, path, extension, wrongExtensionMessage);
}

namespace {

void WarnUnsupportedCharacters(Host& host) {
    host.ShowMessage("文件路径中含有不支持的字符!\r\n\r\n请重新选择文件,并保证其路径完整!", 0,
                     "警告!");
}

bool CheckAll(Host& host, std::initializer_list<Text> texts, bool (*canPass)(const Text&)) {
    if (std::all_of(texts.begin(), texts.end(), canPass)) {
        return true;
    }
    WarnUnsupportedCharacters(host);
    return false;
}

}  // namespace

bool CheckCommandLinePaths(Host& host, std::initializer_list<Text> paths) {
    return CheckAll(host, paths, CanPassOnCommandLine);
}

std::optional<Text> CheckPhoneFolder(Host& host, const Text& folder) {
    const std::string& bytes = folder.bytes();
    if (!bytes.starts_with('/') || bytes.ends_with(' ')) {
        WarnUnsupportedCharacters(host);
        return std::nullopt;
    }
    return bytes.ends_with('/') ? folder : folder + "/";
}

bool CheckPhoneShellNames(Host& host, std::initializer_list<Text> names) {
    return CheckAll(host, names, CanPassToPhoneShell);
}

bool CheckBatchFileTexts(Host& host, std::initializer_list<Text> texts) {
    return CheckAll(host, texts, [](const Text& text) { return BatchFileBytes(text).has_value(); });
}

}  // namespace tarnwick
