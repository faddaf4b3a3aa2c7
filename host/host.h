#pragma once
// Every operation a handler may call on the system. Handlers see only this interface, so each
// can be driven in a test by a recording host. No operation raises or shows a message of its
// own: failures come back as results.

#include <functional>
#include <initializer_list>
#include <optional>

#include "host/command_runner.h"
#include "host/folder_walk.h"
#include "host/signing_pair_check.h"
#include "host/text.h"

namespace tarnwick {

// A multi-line edit box that progress text is appended to; the windows implement it.
class LogBox {
public:
    virtual ~LogBox() = default;
    // Appends at the very end, unchanged, and scrolls the end into view.
    virtual void AppendAtEnd(const Text& text) = 0;
};

// The settings of a window's file chooser; they persist for as long as the window exists.
struct FileChooser {
    enum Kind { Open = 0, Save = 1 };
    int kind = Open;
    Text title;             // empty: the platform's default caption
    Text fileName;          // initial name; receives the full path of a confirmed choice
    Text filter;            // "描述|模式|描述|模式"
    int initialFilter = 0;  // 0-based index of the entry selected at first
    Text initialDirectory = "c:\\";
    Text defaultExtension;  // ".img", ".apk" or empty
    bool promptToCreate = false;
    bool fileMustExist = true;
    bool promptBeforeOverwrite = true;
    bool pathMustExist = true;
    bool keepCurrentDirectory = true;
};

enum MessageResult { MessageOk = 0, MessageCancel = 1 };

class Host {
public:
    virtual ~Host() = default;

    virtual CommandResult RunCommand(const Text& commandLine, bool wait,
                                     std::optional<int> windowMode = std::nullopt) = 0;
    // Title omitted: "信息："; given: exactly that text, "" giving an empty caption.
    virtual int ShowMessage(const Text& content, int style,
                            std::optional<Text> title = std::nullopt) = 0;
    virtual void Pause(int milliseconds) = 0;
    virtual void AppendLog(LogBox& box, const Text& text) = 0;

    virtual Text ProgramDirectory() = 0;
    virtual Bytes ReadFile(const Text& path) = 0;
    virtual bool WriteFile(const Text& path, std::initializer_list<Bytes> parts) = 0;
    virtual bool DeleteFile(const Text& path) = 0;
    // True when a file (not a folder) of that path exists; the file is not read.
    virtual bool FileExists(const Text& path) = 0;
    // True when anything, a folder too, takes up the path.
    virtual bool PathExists(const Text& path) = 0;
    // True when both paths name the same existing file, as the file system sees it.
    virtual bool SameFile(const Text& one, const Text& other) = 0;
    // True when the path itself (not what it leads to) is a symbolic link or a junction.
    virtual bool IsLink(const Text& path) = 0;
    // Walks the folder, following no link: whether a link, junction or mount point lies
    // anywhere inside it, or where and why the walk could not go on, else whether the file that
    // `file` leads to lies inside it under any name. A long walk is a wait, like a command's.
    virtual FolderWalkResult WalkFolder(const Text& folder, const Text& file) = 0;
    // True when one of the folders that hold the path, however far up, is `folder` as the file
    // system sees it, with every link on the path followed; true too when the path cannot be
    // resolved.
    virtual bool LiesInside(const Text& path, const Text& folder) = 0;
    // Why the signing pair cannot sign (signing_pair_check.h); None when it can.
    virtual SigningPairFault CheckSigningPair(const Text& certificate, const Text& key) = 0;
    // True when the next start of the program makes a signing pair where there is none, as the
    // installed program does in the user's own folder on Linux.
    virtual bool StartMakesSigningPair() = 0;

    // One dialog for both: the chooser's kind decides between the open and the save dialog.
    bool ChooseOpenFile(FileChooser& chooser) { return OpenChooser(chooser); }
    bool ChooseSaveFile(FileChooser& chooser) { return OpenChooser(chooser); }
    virtual Text ChooseFolder(const Text& instruction,
                              std::optional<bool> includeFiles = std::nullopt) = 0;
    virtual void ShellOpen(int verb, const Text& target,
                           std::optional<Text> parameters = std::nullopt,
                           std::optional<Text> directory = std::nullopt,
                           std::optional<int> windowMode = std::nullopt) = 0;

protected:
    // Confirmed: the file name becomes the chosen full path and the result is true.
    // Cancelled: the file name keeps its value and the result is false.
    virtual bool OpenChooser(FileChooser& chooser) = 0;
};

// The operations of the system itself: files, program directory and command runner. The
// dialogs and waits come from the windows, which complete this class.
class PlatformHost : public Host {
public:
    // The walk through a folder: the file system's own (files.h) unless a test gives another.
    using FolderWalker = std::function<FolderWalkResult(const Text& folder, const Text& file)>;

    // With a wait, commands and walks are waited for through it.
    explicit PlatformHost(ProcessWait* wait = nullptr, FolderWalker walker = nullptr);

    CommandResult RunCommand(const Text& commandLine, bool wait,
                             std::optional<int> windowMode = std::nullopt) override;
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

private:
    ProcessWait* wait_;
    FolderWalker walker_;
};

}  // namespace tarnwick
