// What only the Windows side does: the show state, the handles and the job or process tree of a
// started program, the sharing modes of the whole-file operations, and the registry look-up
// behind the hyperlinks.
#include "host/win/windows_api.h"

#include <chrono>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/command_runner.h"
#include "host/files.h"
#include "host/paths.h"
#include "host/web_address.h"
#include "host/win/process_start.h"
#include "host/win/reparse_points.h"
#include "tests/support/bounded_wait.h"
#include "tests/support/fake_tools.h"

namespace tarnwick {
namespace {

using testing::CurrentDirectory;
using testing::ScopedEnvironment;
using testing::TempFolder;

// A program folder with fake tools, the current directory, and the record they write.
class WindowsRunner : public ::testing::Test {
protected:
    std::string Record() const { return record_.Read("record.txt"); }
    void ClearRecord() const { std::filesystem::remove(record_ / "record.txt"); }

    TempFolder program_;
    TempFolder record_;
    ScopedEnvironment recordVariable_{testing::kFakeRecordVariable,
                                      (record_ / "record.txt").string()};
    CurrentDirectory inProgramFolder_{program_.path()};
    testing::BoundedWait wait_;
};

TEST_F(WindowsRunner, HandsTheWindowModesShowStateToTheProgram) {
    testing::InstallFakeTool(program_, "adb", "adb");
    const struct {
        std::optional<int> mode;
        int showState;
    } cases[] = {{std::nullopt, SW_SHOWNORMAL},
                 {0, SW_HIDE},
                 {1, SW_HIDE},
                 {2, SW_SHOWNORMAL},
                 {3, SW_SHOWMINIMIZED},
                 {4, SW_SHOWMAXIMIZED},
                 {5, SW_SHOWNOACTIVATE},
                 {6, SW_MINIMIZE},
                 {9, SW_MINIMIZE}};
    for (const auto& c : cases) {
        ClearRecord();
        EXPECT_EQ(CommandRunner(program_.path(), &wait_).Run("adb show", true, c.mode),
                  (CommandResult{true, 0}));
        EXPECT_EQ(Record(), "[adb]\nshow\nshow=" + std::to_string(c.showState) + " flag=1\n")
            << c.mode.value_or(-1);
    }
    EXPECT_EQ(wait_.calls, std::size(cases));
}

TEST_F(WindowsRunner, AToolInheritsOnlyItsInputAndOutput) {
    testing::InstallFakeTool(program_, "adb", "adb");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const OwnedHandle ours(CreateEventW(&inherit, TRUE, FALSE, nullptr));
    const std::string probe = "handle=" + std::to_string(reinterpret_cast<UINT_PTR>(ours.get()));
    for (const std::string& line : {"adb " + probe, "cmd /c adb " + probe}) {
        ClearRecord();
        EXPECT_EQ(CommandRunner(program_.path(), &wait_).Run(line.c_str(), true, 1),
                  (CommandResult{true, 0}));
        EXPECT_EQ(Record(), "[adb]\n" + probe + "\n" + probe + " closed\n");
    }
}

// The process ids that the fake tools recorded as pid=N and child=N.
std::vector<DWORD> RecordedProcesses(const std::string& record) {
    std::vector<DWORD> ids;
    std::istringstream lines(record);
    for (std::string line; std::getline(lines, line);) {
        for (const char* key : {"pid=", "child="}) {
            if (line.starts_with(key)) {
                ids.push_back(std::stoul(line.substr(std::string_view(key).size())));
            }
        }
    }
    return ids;
}

TEST_F(WindowsRunner, AGiveUpEndsTheToolAndWhatItStartedWhereTheJobCannotTakeIt) {
    testing::InstallFakeTool(program_, "fastboot", "fastboot",
                             {"pid", "child", "err=< waiting for any device >", "hang"});
    for (const bool jobTakesIt : {true, false}) {
        SCOPED_TRACE(jobTakesIt ? "in its job" : "outside any job");
        ClearRecord();
        const AssignToJob refused = [](HANDLE, HANDLE) -> BOOL { return FALSE; };
        SetJobAssignment(jobTakesIt ? nullptr : refused);
        const CommandResult result =
            CommandRunner(program_.path(), &wait_, std::chrono::milliseconds(0))
                .Run("cmd /c fastboot flash recovery recovery.img", true, 1);
        SetJobAssignment(nullptr);
        EXPECT_EQ(result.exitCode, kGaveUpWaitingExitCode);
        const std::vector<DWORD> started = RecordedProcesses(Record());
        ASSERT_EQ(started.size(), 2u) << Record();
        for (const DWORD id : started) {
            const OwnedHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
            if (process.valid() && WaitForSingleObject(process.get(), 5000) != WAIT_OBJECT_0) {
                ADD_FAILURE() << "process " << id << " still runs";
                TerminateProcess(process.get(), 1);  // so that the test ends
            }
        }
    }
}

// How another program holds the file while ours reads or writes it.
HANDLE Hold(const std::filesystem::path& file, DWORD access, DWORD sharing) {
    return CreateFileW(file.c_str(), access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

TEST(WindowsFiles, ReadAlongsideReadersAndWriteOnlyAlone) {
    TempFolder folder;
    const CurrentDirectory inFolder(folder.path());
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const struct {
        DWORD access, sharing;
        bool readable, writable;
    } cases[] = {
        {GENERIC_READ, kShareAll, true, false},
        {GENERIC_READ, FILE_SHARE_READ, true, false},
        {GENERIC_WRITE, kShareAll, false, false},
        {GENERIC_READ, 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.access << " " << c.sharing);
        folder.Write("命令.txt", "boot");
        const HANDLE holder = Hold(folder / "命令.txt", c.access, c.sharing);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        EXPECT_EQ(ReadWholeFile("命令.txt"), c.readable ? "boot" : "");
        EXPECT_EQ(WriteWholeFile("命令.txt", {"wipe"}), c.writable);
        CloseHandle(holder);
        EXPECT_EQ(folder.Read("命令.txt"), "boot");
    }
    EXPECT_TRUE(WriteWholeFile("命令.txt", {"wipe"}));
    EXPECT_EQ(ReadWholeFile("命令.txt"), "wipe");
}

TEST(WindowsFiles, OnlyReparsePointsThatStandForAnotherNameAreLinks) {
    TempFolder folder;
    folder.Write("out/apktool.yml", "version");
    folder.Write("out/dist/app.apk", "APK");
    const Text out = ProgramPath(folder / "out");
    const Text apk = out + "\\dist\\app.apk";
    // Wine makes no reparse points: the stand-in gives the file its tag.
    const struct {
        DWORD tag;
        bool link;
    } cases[] = {{IO_REPARSE_TAG_CLOUD_6, false},
                 {IO_REPARSE_TAG_DEDUP, false},
                 {IO_REPARSE_TAG_SYMLINK, true},
                 {IO_REPARSE_TAG_MOUNT_POINT, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        SetReparseTagStandIn(L"app.apk", c.tag);
        EXPECT_EQ(IsLink(apk), c.link);
        EXPECT_EQ(WalkFolder(out, "").found, c.link ? FolderWalk::HoldsLink : FolderWalk::Plain);
    }
    SetReparseTagStandIn(L"", 0);
    // The file itself under another name, and its path resolved.
    ASSERT_TRUE(CreateHardLinkW((folder / "app.apk").c_str(), (folder / "out/dist/app.apk").c_str(),
                                nullptr));
    EXPECT_EQ(WalkFolder(out, ProgramPath(folder / "app.apk")).found, FolderWalk::HoldsFile);
    EXPECT_EQ(WalkFolder(out, ProgramPath(folder / "out")).found, FolderWalk::Plain);
    // The same file at the end of a chain far longer than MAX_PATH, made and removed in the
    // long form of its paths.
    std::vector<std::wstring> chain{L"\\\\?\\" + (folder / "out").wstring()};
    for (int level = 0; level < 150; ++level) {
        chain.push_back(chain.back() + L"\\level");
        ASSERT_TRUE(CreateDirectoryW(chain.back().c_str(), nullptr));
    }
    const std::wstring deepApk = chain.back() + L"\\app.apk";
    ASSERT_TRUE(CreateHardLinkW(deepApk.c_str(), (folder / "app.apk").c_str(), nullptr));
    ASSERT_TRUE(DeleteFileW((folder / "out/dist/app.apk").c_str()));
    EXPECT_EQ(WalkFolder(out, ProgramPath(folder / "app.apk")).found, FolderWalk::HoldsFile);
    DeleteFileW(deepApk.c_str());
    while (chain.size() > 1) {
        RemoveDirectoryW(chain.back().c_str());
        chain.pop_back();
    }
    EXPECT_TRUE(LiesInside(ProgramPath(folder / "out/dist/../dist/app.apk"), out));
    EXPECT_TRUE(LiesInside(out + "\\new\\app.apk", out));  // not made yet
    EXPECT_FALSE(LiesInside(ProgramPath(folder / "app.apk"), out));
}

// HKEY_CLASSES_ROOT of this process redirected to a key of the test's own.
class RedirectedClassRoot {
public:
    RedirectedClassRoot() {
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_,
                        nullptr);
        RegOverridePredefKey(HKEY_CLASSES_ROOT, root_);
    }
    ~RedirectedClassRoot() {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegCloseKey(root_);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    }
    void SetDefault(const wchar_t* key, const std::wstring& value) const {
        RegSetKeyValueW(root_, key, nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

private:
    static constexpr wchar_t kKey[] = L"Software\\Tarnwick test classes";
    HKEY root_ = nullptr;
};

TEST(RegisteredBrowser, TakesTheOpenCommandOfTheHtmPageClass) {
    const RedirectedClassRoot classes;
    const std::u16string address = u"https://example.invalid/x";
    EXPECT_EQ(RegisteredBrowserCommandLine(address), u"");
    classes.SetDefault(L".htm", L"TarnwickPage");
    EXPECT_EQ(RegisteredBrowserCommandLine(address), u"");
    classes.SetDefault(L"TarnwickPage\\shell\\open\\command", L"\"C:\\浏览器.exe\" -url \"%1\"");
    EXPECT_EQ(RegisteredBrowserCommandLine(address),
              u"\"C:\\浏览器.exe\" -url  https://example.invalid/x");
}

}  // namespace
}  // namespace tarnwick
