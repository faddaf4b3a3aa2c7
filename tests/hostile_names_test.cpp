// Hostile file and folder names through every operation that takes a path, with the real
// command runner and recording fake tools in a temporary program folder. For each name the
// tool receives the file as exactly one argument, or the operation refuses the name with its
// warning and runs nothing; either way no file is created, changed or deleted anywhere in the
// temporary world (program folder, drive C:, the user's folder) beyond the tools' record.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "compile/apk_tools.h"
#include "compile/tool_output.h"
#include "flash/recovery_backup.h"
#include "flash/recovery_flash.h"
#include "flash/update_package.h"
#include "host/encoding.h"
#include "host/paths.h"
#include "push/push_dispatch.h"
#include "tests/support/temp_folder.h"
#include "tests/support/tool_sandbox.h"
#include "ui/compile_window.h"
#include "ui/flash_window.h"
#include "ui/info_window.h"
#include "ui/push_window.h"
#include "ui/templates.h"

namespace tarnwick::testing {
namespace {

namespace fs = std::filesystem;

// What an operation does with a name: hands it on, or refuses it with the path warning.
enum Fate {
    Passes,          // every operation hands the file on
    ShellRefuses,    // the system pushes refuse it (it goes unquoted to the phone's shell)
    EveryoneRefuses  // no command line can carry it
};

struct HostileName {
    std::string name;  // UTF-8, used as a folder name and as the start of the file's name
    Fate fate;
};

const HostileName kNames[] = {
    {"my file", ShellRefuses},
    {"two  blanks", ShellRefuses},
    {" leading blank", ShellRefuses},
    {"trailing blank ", ShellRefuses},
    {"trailing.dot.", Passes},
    {"a&b", ShellRefuses},
    {"x & del *", EveryoneRefuses},
    {"a&&b||c", ShellRefuses},
    {"a|b", ShellRefuses},
    {"a<b", ShellRefuses},
    {"a>b", ShellRefuses},
    {"a>nul", ShellRefuses},
    {"2>&1", ShellRefuses},
    {"a^b", ShellRefuses},
    {"^^^", ShellRefuses},
    {"rom (1)", ShellRefuses},
    {"a)b", ShellRefuses},
    {"a,b", Passes},
    {"a;b", ShellRefuses},
    {"a=b", Passes},
    {"a!b!", Passes},
    {"it's", ShellRefuses},
    {"$HOME", ShellRefuses},
    {"`id`", ShellRefuses},
    {"a*b?", EveryoneRefuses},  // wildcards for cmd
    {"[x]", ShellRefuses},
    {"@echo", Passes},
    {"-rf", Passes},
    {"--help", Passes},
    {"#~+", Passes},
    {"Foo{1,2}", ShellRefuses},  // a brace list would expand
    {"刷机包", Passes},
    {"中文 名字", ShellRefuses},
    {"Ünïcödé café", ShellRefuses},
    {"Ωμέγα", Passes},
    {"日本語テスト", Passes},
    {"한국어", Passes},
    {"😀", Passes},                                           // outside GBK: GB18030 holds it
    {"𠀀𪚥", Passes},                                        // outside GBK too
    {std::string(120, 'x') + std::string(40, 'y'), Passes},  // a very long path (twice over)
    {".apk", Passes},
    {"a\"b", EveryoneRefuses},
    {"%PATH%", EveryoneRefuses},
    {"50%", EveryoneRefuses},
    {"line\nbreak", EveryoneRefuses},
    {"tab\there", EveryoneRefuses},
    {"cr\rhere", EveryoneRefuses},
};

// Paths as the UTF-8 names the fake tools record, whatever the platform's narrow encoding.
std::string Utf8(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}
fs::path AsPath(const std::string& utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}

#ifdef _WIN32
// Whether Windows can hold a file of the name in a folder of the name: it refuses < > : " / \ |
// ? * and control characters, drops blanks and dots at the end, and its cmd.exe reaches no path
// of 260 characters or more.
bool WindowsCanHold(const std::string& name, const fs::path& folder) {
    return name.find_first_of("<>:\"/\\|?*") == std::string::npos &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; }) &&
           !name.ends_with(' ') && !name.ends_with('.') &&
           (folder / AsPath(name) / AsPath(name + ".apk")).wstring().size() < 260;
}
#endif

// The bytes of every file under a folder, by path.
std::map<fs::path, std::string> Files(const fs::path& root) {
    std::map<fs::path, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            files[entry.path()] = bytes.str();
        }
    }
    return files;
}

class HostileNames : public ::testing::Test {
protected:
    ~HostileNames() override {
        windows_.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::Window& Build(const ui::WindowTemplate& source) {
        windows_.push_back(ui::BuildWindow(source));
        return *windows_.back();
    }

    TempFolder world_;  // every folder of the test lies in it
#ifdef _WIN32
    ScopedEnvironment temporary_{"TMP", world_.path().string()};
#else
    ScopedEnvironment temporary_{"TMPDIR", world_.path().string()};
#endif
    ToolSandbox sandbox_{"adb", "fastboot", "java", "apktool"};
    std::vector<std::unique_ptr<ui::Window>> windows_;
    ui::FlashWindow flash_{Build(ui::FlashWindowTemplate())};
    ui::PushWindow push_{Build(ui::PushWindowTemplate())};
    ui::CompileWindow compile_{Build(ui::CompileWindowTemplate())};
    ui::InfoWindow info_{Build(ui::InfoWindowTemplate())};
};

// The user's files for one name: its folder, and in it the name with each extension.
struct UserFiles {
    fs::path folder;
    fs::path With(const std::string& extension) const {
        const std::string name = Utf8(folder.filename());
        return folder / AsPath(name.ends_with(extension) ? name : name + extension);
    }
};

// One operation: fills its window with the user's files and runs; the record it leaves when
// the tool received the paths.
struct Operation {
    const char* what;
    bool phoneShell;  // the bare name goes to the phone's shell
    std::function<void(const UserFiles&)> run;
    std::function<std::string(const UserFiles&)> record;
};

std::string Given(const fs::path& file) {
    return Utf8(file) + "\n<<" + Utf8(file.filename()) + ">>\n";
}

}  // namespace

TEST_F(HostileNames, EachToolReceivesTheFileAsOneArgumentOrTheOperationRefusesIt) {
    auto select = [](std::initializer_list<ui::RadioButton*> all, ui::RadioButton& chosen) {
        for (ui::RadioButton* button : all) {
            button->setChecked(button == &chosen);
        }
    };
    auto selectFlash = [&](ui::RadioButton& family, ui::RadioButton* option) {
        select({&flash_.重启单选框, &flash_.REC单选框, &flash_.ROM单选框}, family);
        if (option != nullptr) {
            select({&flash_.刷入集成REC, &flash_.刷入自定REC, &flash_.备份}, *option);
        }
    };
    auto selectPush = [&](ui::RadioButton& operation, bool noroot) {
        select({&push_.APK单选框, &push_.SD单选框, &push_.SYS单选框}, operation);
        push_.NOROOT.setChecked(noroot);
    };
    auto compile = [&](ui::CheckBox* operation, const fs::path& in, const fs::path& out) {
        compile_.载入资源.setChecked(operation == nullptr);
        compile_.编译模式.setChecked(operation != nullptr);
        for (ui::CheckBox* box : {&compile_.反编译, &compile_.回编译, &compile_.签名}) {
            box->setChecked(box == operation);
        }
        compile_.资源3.setContent(ProgramPath(in));
        compile_.资源4.setContent(ProgramPath(out));
        compile::RunSelectedTask(compile_, sandbox_.host,
                                 [&] { compile::ReadBackToolOutput(info_, sandbox_.host); });
    };
    const fs::path framework = sandbox_.user / "framework-res.apk";
    sandbox_.user.Write("framework-res.apk", "framework-res.apk");

    const Operation operations[] = {
        {"flash: the chosen image", false,
         [&](const UserFiles& f) {
             selectFlash(flash_.REC单选框, &flash_.刷入自定REC);
             flash_.REC路径.setContent(ProgramPath(f.With(".img")));
             flash::FlashChosenImage(flash_, sandbox_.host);
         },
         [](const UserFiles& f) {
             const std::string image = "recovery.img\n<<" + Utf8(f.With(".img").filename());
             return "[adb]\nreboot\nbootloader\n[fastboot]\nflash\nrecovery\n" + image +
                    ">>\n[fastboot]\nboot\n" + image + ">>\n";
         }},
        {"flash: the update package", false,
         [&](const UserFiles& f) {
             selectFlash(flash_.ROM单选框, nullptr);
             flash_.ROM路径.setContent(ProgramPath(f.With(".zip")));
             flash::FlashUpdatePackage(flash_, sandbox_.host);
         },
         [](const UserFiles& f) {
             return "[adb]\npush\n" + Given(f.With(".zip")) +
                    "/sdcard/oppo-update.zip\n[adb]\nreboot\nrecovery\n[adb]\npush\ncommand.txt\n"
                    "<<boot-recovery\r\n--update_package=/sdcard/oppo-update.zip\r\n>>\n"
                    "/cache/recovery/command\n[adb]\nreboot\nrecovery\n";
         }},
        {"flash: the backup target", false,
         [&](const UserFiles& f) {
             selectFlash(flash_.REC单选框, &flash_.备份);
             flash_.备份路径.setContent(ProgramPath(f.folder / "backup.img"));
             flash::BackUpRecovery(flash_, sandbox_.host);
         },
         [](const UserFiles& f) {
             return "[adb]\nreboot\nrecovery\n[adb]\nshell\ndd "
                    "if=/dev/block/platform/msm_sdcc.1/by-name/recovery "
                    "of=/cache/bak_recovery.img\n[adb]\npull\n/cache/bak_recovery.img\n" +
                    Utf8((f.folder / "backup.img")) +
                    "\n[adb]\nshell\nrm\n-f\n/cache/bak_recovery.img\n[adb]\nreboot\n";
         }},
        {"push: the APK", false,
         [&](const UserFiles& f) {
             selectPush(push_.APK单选框, false);
             sandbox_.host.chooserPaths = {ProgramPath(f.With(".apk"))};
             push::RunSelectedPush(push_, sandbox_.host);
         },
         [](const UserFiles& f) { return "[adb]\ninstall\n" + Given(f.With(".apk")); }},
        {"push: to the memory card", false,
         [&](const UserFiles& f) {
             selectPush(push_.SD单选框, false);
             push_.SD编辑框1.setContent(ProgramPath(f.With(".apk")));
             push::RunSelectedPush(push_, sandbox_.host);
         },
         [](const UserFiles& f) { return "[adb]\npush\n" + Given(f.With(".apk")) + "/sdcard/\n"; }},
        {"push: into the system through the recovery", true,
         [&](const UserFiles& f) {
             selectPush(push_.SYS单选框, true);
             push_.SYS编辑框1.setContent(ProgramPath(f.With(".apk")));
             push::RunSelectedPush(push_, sandbox_.host);
         },
         [](const UserFiles& f) {
             return "[adb]\npush\n" + Given(f.With(".apk")) + "/system/app/" +
                    Utf8(f.With(".apk").filename()) + "\n";
         }},
        {"push: into the system with root", true,
         [&](const UserFiles& f) {
             selectPush(push_.SYS单选框, false);
             push_.SYS编辑框1.setContent(ProgramPath(f.With(".apk")));
             push::RunSelectedPush(push_, sandbox_.host);
         },
         [](const UserFiles& f) {
             return "[adb]\npush\n" + Given(f.With(".apk")) + "/data/local/tmp/" +
                    Utf8(f.With(".apk").filename()) + "\n";
         }},
        {"compile: the framework", false,
         [&](const UserFiles& f) {
             compile_.资源1.setContent(ProgramPath(f.With(".apk")));
             compile_.资源2.setContent("");
             compile(nullptr, {}, {});
         },
         [](const UserFiles& f) {
             return "[java]\n-jar\napktool.jar\nif\n" + Given(f.With(".apk"));
         }},
        {"compile: the maker's framework", false,
         [&](const UserFiles& f) {
             compile_.资源1.setContent(ProgramPath(framework));
             compile_.资源2.setContent(ProgramPath(f.With(".apk")));
             compile(nullptr, {}, {});
         },
         [&](const UserFiles& f) {
             return "[java]\n-jar\napktool.jar\nif\n" + Given(framework) +
                    "[java]\n-jar\napktool.jar\nif\n" + Given(f.With(".apk"));
         }},
        {"compile: decompile", false,
         [&](const UserFiles& f) {
             compile(&compile_.反编译, f.With(".apk"), f.folder / "decoded");
         },
         [](const UserFiles& f) {
             return "[apktool]\nd\n-f\n" + Given(f.With(".apk")) + "-o\n" +
                    Utf8((f.folder / "decoded")) + "\n";
         }},
        {"compile: rebuild a folder given with its trailing backslash", false,
         [&](const UserFiles& f) {
             compile(&compile_.回编译, f.folder / "", f.folder / "rebuilt.apk");
         },
         [](const UserFiles& f) {
             return "[apktool]\nb\n-f\n" + Utf8((f.folder / "")) + "\n-o\n" +
                    Utf8((f.folder / "rebuilt.apk")) + "\n";
         }},
        {"compile: sign", false,
         [&](const UserFiles& f) {
             compile(&compile_.签名, f.With(".apk"), f.folder / "signed.apk");
         },
         [](const UserFiles& f) {
             return "[java]\n-jar\nsignapk.jar\ntestkey.x509.pem\ntestkey.pk8\n" +
                    Given(f.With(".apk")) + Utf8((f.folder / "signed.apk")) + "\n";
         }},
    };

    for (const HostileName& hostile : kNames) {
        Fate fate = hostile.fate;
#ifdef _WIN32
        if (!WindowsCanHold(hostile.name, sandbox_.user.path())) {
            continue;
        }
        // Code page 936 cannot hold every character: one it lacks would reach cmd as a ?.
        if (Utf8FromText(Text(hostile.name.c_str())) != hostile.name) {
            fate = EveryoneRefuses;
        }
#endif
        const UserFiles files{sandbox_.user / hostile.name};
        for (const char* extension : {".img", ".zip", ".apk"}) {
            const fs::path file = files.With(extension);
            sandbox_.user.Write(Utf8(file.lexically_relative(sandbox_.user.path())),
                                Utf8(file.filename()));
        }
        const std::map<fs::path, std::string> before = Files(world_.path());
        for (const Operation& operation : operations) {
            SCOPED_TRACE(operation.what + (" with \"" + hostile.name + "\""));
            fs::remove(sandbox_.records / "record.txt");
            sandbox_.host.ClearCalls();

            operation.run(files);

            const bool refused =
                fate == EveryoneRefuses || (fate == ShellRefuses && operation.phoneShell);
            const std::string record = sandbox_.Record();
            if (refused) {
                EXPECT_EQ(record, "");
                const std::vector<std::string>& calls = sandbox_.host.calls();
                EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const std::string& call) {
                    return call.find("文件路径中含有不支持的字符") != std::string::npos;
                }));
            } else if (operation.phoneShell) {
                EXPECT_NE(record.find(operation.record(files)), std::string::npos) << record;
            } else {
                EXPECT_EQ(record, operation.record(files));
            }
            fs::remove(sandbox_.records / "record.txt");
            EXPECT_EQ(Files(world_.path()), before);
        }
    }
}

}  // namespace tarnwick::testing
