// What only the Windows side does: the show state handed to a started program, the sharing
// modes of the whole-file operations, and the registry look-up behind the hyperlinks.
#include "host/win/windows_api.h"

#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "host/command_runner.h"
#include "host/files.h"
#include "host/web_address.h"
#include "tests/support/bounded_wait.h"
#include "tests/support/fake_tools.h"

namespace tarnwick {
namespace {

using testing::CurrentDirectory;
using testing::ScopedEnvironment;
using testing::TempFolder;

TEST(WindowsRunner, HandsTheWindowModesShowStateToTheProgram) {
    TempFolder program;
    TempFolder record;
    testing::InstallFakeTool(program, "adb", "adb");
    const ScopedEnvironment recordVariable(testing::kFakeRecordVariable,
                                           (record / "record.txt").string());
    const CurrentDirectory inProgramFolder(program.path());
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
    testing::BoundedWait wait;
    for (const auto& c : cases) {
        std::filesystem::remove(record / "record.txt");
        EXPECT_EQ(CommandRunner(program.path(), &wait).Run("adb show", true, c.mode),
                  (CommandResult{true, 0}));
        EXPECT_EQ(record.Read("record.txt"),
                  "[adb]\nshow\nshow=" + std::to_string(c.showState) + " flag=1\n")
            << c.mode.value_or(-1);
    }
    EXPECT_EQ(wait.calls, std::size(cases));
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
