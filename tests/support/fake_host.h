#pragma once
// FakeHost: the recording host of the tests. It records every call in order, as one readable
// line each, answers from a script, keeps files in memory and returns from pauses at once.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/host.h"

namespace tarnwick::testing {

class FakeHost : public Host {
public:
    // --- the script ---
    std::deque<int> messageResults;  // answers of ShowMessage; 0 (OK) when empty
    std::deque<std::optional<Text>>
        chooserPaths;                // a path confirms, nullopt cancels; empty: cancel
    std::deque<Text> folderChoices;  // answers of ChooseFolder; "" when empty
    std::map<Text, CommandResult> commandResults;  // by exact command line; {true, 0} otherwise
    // What a command line does to the fake files when it runs, by exact command line (a copy
    // command creates "recovery.img"). An effect works on `files` directly, unrecorded.
    std::map<Text, std::function<void(FakeHost&)>> commandEffects;
    Text programDirectory = "C:\\Tarnwick";
    std::map<Text, Bytes> files;  // the file system, by path as given
    std::set<Text> folders;       // folders of the file system, by path as given
    std::set<Text> unwritable;    // paths that WriteFile fails on, besides the empty one
    // Pairs of paths that name one file, as links make them; a path always names itself.
    std::set<std::pair<Text, Text>> sameFiles;
    std::set<Text> links;             // paths that are symbolic links or junctions; they exist
    std::map<Text, Text> unreadable;  // folders a walk cannot read through, with the reason
    SigningPairFault signingPairFault = SigningPairFault::None;
    bool startMakesSigningPair = false;

    // --- the record ---
    // One line per call, texts shown as UTF-8 in double quotes with \r, \n, \" and \\ escaped:
    //   RunCommand("cmd /c adb reboot", true, 1) -> exit 0       (or -> not started)
    //   ShowMessage("立即进入Recovery?", 1, "重启?") -> 0
    //   Pause(1000)
    //   AppendLog("操作已完成...\r\n")
    //   WriteFile("command.txt", "boot-recovery\n") -> true
    //   ChooseFile(0, "APK文件(*.apk)|*.apk", "") -> "C:\\x.apk"   (or -> cancelled)
    //   ReadFile("command.txt") -> "boot-recovery\n"     DeleteFile("recovery.img") -> false
    //   FileExists("recovery.img") -> true   PathExists("recovery.img") -> false
    //   SameFile("C:\\img\\twrp.img", "C:\\Tarnwick\\recovery.img") -> false
    //   IsLink("C:\\Music") -> false
    //   WalkFolder("C:\\app", "C:\\app.apk") -> link   (or -> file, -> plain,
    //   -> unfinished at "C:\\app\\res": "Permission denied")
    //   LiesInside("C:\\Music\\a.apk", "C:\\Music") -> true
    //   CheckSigningPair("C:\\Tarnwick\\testkey.x509.pem", "C:\\...\\testkey.pk8") -> fault 0
    //   StartMakesSigningPair() -> false
    //   ProgramDirectory() -> "C:\\Tarnwick"   ChooseFolder("选择目录") -> ""   ShellOpen(4,
    //   "c:\\")
    const std::vector<std::string>& calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    CommandResult RunCommand(const Text& commandLine, bool wait,
                             std::optional<int> windowMode = std::nullopt) override;
    int ShowMessage(const Text& content, int style,
                    std::optional<Text> title = std::nullopt) override;
    void Pause(int milliseconds) override;
    void AppendLog(LogBox& box, const Text& text) override;
    Text ProgramDirectory() override;
    Bytes ReadFile(const Text& path) override;
    bool WriteFile(const Text& path, std::initializer_list<Bytes> parts) override;
    bool DeleteFile(const Text& path) override;
    bool FileExists(const Text& path) override;
    bool PathExists(const Text& path) override;
    bool SameFile(const Text& one, const Text& other) override;
    bool IsLink(const Text& path) override;
    FolderWalkResult WalkFolder(const Text& folder, const Text& file) override;
    bool LiesInside(const Text& path, const Text& folder) override;
    SigningPairFault CheckSigningPair(const Text& certificate, const Text& key) override;
    bool StartMakesSigningPair() override;
    Text ChooseFolder(const Text& instruction,
                      std::optional<bool> includeFiles = std::nullopt) override;
    void ShellOpen(int verb, const Text& target, std::optional<Text> parameters = std::nullopt,
                   std::optional<Text> directory = std::nullopt,
                   std::optional<int> windowMode = std::nullopt) override;

protected:
    bool OpenChooser(FileChooser& chooser) override;

private:
    bool NameOneFile(const Text& one, const Text& other) const;

    std::vector<std::string> calls_;
};

// A text or byte set as the record shows it: UTF-8 in double quotes, with escapes.
std::string Quoted(const Text& text);
std::string QuotedBytes(const Bytes& bytes);

}  // namespace tarnwick::testing
