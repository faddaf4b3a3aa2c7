#include "tests/support/fake_host.h"

#include <algorithm>

#include "host/encoding.h"

namespace tarnwick::testing {

namespace {

template <class T>
T TakeFront(std::deque<T>& script, T whenEmpty) {
    if (script.empty()) {
        return whenEmpty;
    }
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
}

std::string Flag(bool value) {
    return value ? "true" : "false";
}

}  // namespace

std::string QuotedBytes(const Bytes& bytes) {
    std::string quoted = "\"";
    for (const char c : bytes) {
        switch (c) {
            case '\r':
                quoted += "\\r";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            default:
                quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Quoted(const Text& text) {
    return QuotedBytes(Utf8FromText(text));
}

CommandResult FakeHost::RunCommand(const Text& commandLine, bool wait,
                                   std::optional<int> windowMode) {
    const auto scripted = commandResults.find(commandLine);
    CommandResult result =
        scripted != commandResults.end() ? scripted->second : CommandResult{true, 0};
    if (const auto effect = commandEffects.find(commandLine); effect != commandEffects.end()) {
        effect->second(*this);
    }
    std::string call = "RunCommand(" + Quoted(commandLine) + ", " + Flag(wait);
    if (windowMode) {
        call += ", " + std::to_string(*windowMode);
    }
    call += result.started ? ") -> exit " + std::to_string(result.exitCode) : ") -> not started";
    calls_.push_back(call);
    return result;
}

int FakeHost::ShowMessage(const Text& content, int style, std::optional<Text> title) {
    const int result = TakeFront(messageResults, static_cast<int>(MessageOk));
    std::string call = "ShowMessage(" + Quoted(content) + ", " + std::to_string(style);
    if (title) {
        call += ", " + Quoted(*title);
    }
    calls_.push_back(call + ") -> " + std::to_string(result));
    return result;
}

void FakeHost::Pause(int milliseconds) {
    calls_.push_back("Pause(" + std::to_string(milliseconds) + ")");
}

void FakeHost::AppendLog(LogBox& box, const Text& text) {
    box.AppendAtEnd(text);
    calls_.push_back("AppendLog(" + Quoted(text) + ")");
}

Text FakeHost::ProgramDirectory() {
    calls_.push_back("ProgramDirectory() -> " + Quoted(programDirectory));
    return programDirectory;
}

Bytes FakeHost::ReadFile(const Text& path) {
    const auto file = files.find(path);
    Bytes bytes = file != files.end() ? file->second : Bytes();
    calls_.push_back("ReadFile(" + Quoted(path) + ") -> " + QuotedBytes(bytes));
    return bytes;
}

bool FakeHost::WriteFile(const Text& path, std::initializer_list<Bytes> parts) {
    std::string call = "WriteFile(" + Quoted(path);
    Bytes whole;
    for (const Bytes& part : parts) {
        call += ", " + QuotedBytes(part);
        whole += part;
    }
    const bool written = !path.empty() && !unwritable.contains(path);
    if (written) {
        files[path] = whole;
    }
    calls_.push_back(call + ") -> " + Flag(written));
    return written;
}

bool FakeHost::DeleteFile(const Text& path) {
    const bool deleted = files.erase(path) > 0;
    calls_.push_back("DeleteFile(" + Quoted(path) + ") -> " + Flag(deleted));
    return deleted;
}

bool FakeHost::FileExists(const Text& path) {
    const bool exists = files.contains(path);
    calls_.push_back("FileExists(" + Quoted(path) + ") -> " + Flag(exists));
    return exists;
}

bool FakeHost::PathExists(const Text& path) {
    const bool exists = files.contains(path) || folders.contains(path) || links.contains(path);
    calls_.push_back("PathExists(" + Quoted(path) + ") -> " + Flag(exists));
    return exists;
}

bool FakeHost::NameOneFile(const Text& one, const Text& other) const {
    return (one == other && files.contains(one)) || sameFiles.contains({one, other}) ||
           sameFiles.contains({other, one});
}

bool FakeHost::SameFile(const Text& one, const Text& other) {
    const bool same = NameOneFile(one, other);
    calls_.push_back("SameFile(" + Quoted(one) + ", " + Quoted(other) + ") -> " + Flag(same));
    return same;
}

bool FakeHost::IsLink(const Text& path) {
    const bool link = links.contains(path);
    calls_.push_back("IsLink(" + Quoted(path) + ") -> " + Flag(link));
    return link;
}

FolderWalkResult FakeHost::WalkFolder(const Text& folder, const Text& file) {
    const std::string inside = folder.bytes() + "\\";
    const auto isInside = [&](const Text& path) { return path.bytes().starts_with(inside); };
    const auto isFile = [&](const auto& entry) {
        return isInside(entry.first) && NameOneFile(entry.first, file);
    };
    const std::string call = "WalkFolder(" + Quoted(folder) + ", " + Quoted(file) + ") -> ";
    for (const auto& [unread, reason] : unreadable) {
        if (unread == folder || isInside(unread)) {
            calls_.push_back(call + "unfinished at " + Quoted(unread) + ": " + Quoted(reason));
            return {FolderWalk::Unfinished, unread, reason};
        }
    }
    const FolderWalk walk = std::ranges::any_of(links, isInside) ? FolderWalk::HoldsLink
                            : std::ranges::any_of(files, isFile) ? FolderWalk::HoldsFile
                                                                 : FolderWalk::Plain;
    const char* kNames[] = {"plain", "link", "file"};
    calls_.push_back(call + kNames[static_cast<int>(walk)]);
    return {walk, {}, {}};
}

bool FakeHost::LiesInside(const Text& path, const Text& folder) {
    const std::string& bytes = path.bytes();
    bool inside = false;
    for (std::size_t at = bytes.rfind('\\'); at != std::string::npos && at > 0 && !inside;
         at = bytes.rfind('\\', at - 1)) {
        const Text holder = Text::FromBytes(bytes.substr(0, at));
        inside = holder == folder || sameFiles.contains({holder, folder}) ||
                 sameFiles.contains({folder, holder});
    }
    calls_.push_back("LiesInside(" + Quoted(path) + ", " + Quoted(folder) + ") -> " + Flag(inside));
    return inside;
}

SigningPairFault FakeHost::CheckSigningPair(const Text& certificate, const Text& key) {
    calls_.push_back("CheckSigningPair(" + Quoted(certificate) + ", " + Quoted(key) +
                     ") -> fault " + std::to_string(static_cast<int>(signingPairFault)));
    return signingPairFault;
}

bool FakeHost::StartMakesSigningPair() {
    calls_.push_back("StartMakesSigningPair() -> " + Flag(startMakesSigningPair));
    return startMakesSigningPair;
}

bool FakeHost::OpenChooser(FileChooser& chooser) {
    const std::optional<Text> choice = TakeFront(chooserPaths, std::optional<Text>());
    std::string call = "ChooseFile(" + std::to_string(chooser.kind) + ", " +
                       Quoted(chooser.filter) + ", " + Quoted(chooser.fileName) + ")";
    if (!choice) {
        calls_.push_back(call + " -> cancelled");
        return false;
    }
    chooser.fileName = *choice;
    calls_.push_back(call + " -> " + Quoted(*choice));
    return true;
}

Text FakeHost::ChooseFolder(const Text& instruction, std::optional<bool> includeFiles) {
    Text folder = TakeFront(folderChoices, Text());
    std::string call = "ChooseFolder(" + Quoted(instruction);
    if (includeFiles) {
        call += ", " + Flag(*includeFiles);
    }
    calls_.push_back(call + ") -> " + Quoted(folder));
    return folder;
}

void FakeHost::ShellOpen(int verb, const Text& target, std::optional<Text> parameters,
                         std::optional<Text> directory, std::optional<int> windowMode) {
    std::string call = "ShellOpen(" + std::to_string(verb) + ", " + Quoted(target);
    if (parameters) {
        call += ", " + Quoted(*parameters);
    }
    if (directory) {
        call += ", " + Quoted(*directory);
    }
    if (windowMode) {
        call += ", " + std::to_string(*windowMode);
    }
    calls_.push_back(call + ")");
}

}  // namespace tarnwick::testing
