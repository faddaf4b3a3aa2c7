// The folder the program works in: its own, or for an installed program the user's own under
// the XDG data home, made at the first start and kept as the user left it at the next ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "app/user_program_folder_warning.h"
#include "host/encoding.h"
#include "host/paths.h"
#include "host/program_directory.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::app {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::TempFolder;

// True when the certificate holds the public half of the key.
bool SigningPairMatches(const fs::path& certificate, const fs::path& key) {
    const std::string command = "test \"$(openssl x509 -noout -pubkey -in '" +
                                certificate.string() + "')\" = \"$(openssl pkey -pubout " +
                                "-inform DER -in '" + key.string() + "')\"";
    return std::system(command.c_str()) == 0;
}

constexpr const char* kSystemFramework = "/usr/share/android-framework-res/framework-res.apk";

fs::perms Permissions(const fs::path& file) {
    return fs::status(file).permissions() & fs::perms::all;
}

TEST(ChooseProgramFolder, TheProgramsOwnOrTheUsersOwnFolder) {
    const TempFolder clone, installed, data, home;
    installed.Write("installed", "");
    for (const char* tool : {"apktool", "apktool.jar", "signapk.jar"}) {
        installed.Write(tool, tool);
    }
    const ScopedEnvironment dataHome{"XDG_DATA_HOME", data.path().string()};
    const ScopedEnvironment homeVariable{"HOME", home.path().string()};
    const fs::path user = data / "tarnwick";

    const struct {
        const char* start;
        const TempFolder& program;
        std::function<void()> before;
        fs::path folder;  // the folder chosen
    } starts[] = {
        {"a build from a clone", clone, [] {}, clone.path()},
        // Debian's own apktool command left its link to the system's framework behind.
        {"the first start of the installed program", installed,
         [&] {
             fs::create_directories(data / "apktool/framework");
             fs::create_symlink(kSystemFramework, data / "apktool/framework/1.apk");
         },
         user},
        {"a later start, with files of the user's and a link that leads nowhere", installed,
         [&] {
             data.Write("tarnwick/recovery/find5_twrp_recovery.img", "image");
             data.Write("tarnwick/testkey.x509.pem", "the user's certificate");
             data.Write("tarnwick/testkey.pk8", "the user's key");
             fs::remove(user / "apktool.jar");
             fs::create_symlink("/nowhere/apktool.jar", user / "apktool.jar");
         },
         user},
    };
    for (const auto& s : starts) {
        SCOPED_TRACE(s.start);
        s.before();
        const ProgramFolderChoice choice = ChooseProgramFolder(ProgramPath(s.program.path()));
        EXPECT_TRUE(choice.usable);
        EXPECT_EQ(NativePath(choice.folder), s.folder);
    }
    EXPECT_TRUE(fs::is_empty(clone.path()));
    for (const char* tool : {"apktool", "apktool.jar", "signapk.jar"}) {
        EXPECT_EQ(fs::read_symlink(user / tool), installed / tool) << tool;
    }
    EXPECT_EQ(data.Read("tarnwick/recovery/find5_twrp_recovery.img"), "image");
    EXPECT_EQ(data.Read("tarnwick/testkey.pk8"), "the user's key");
    EXPECT_EQ(data.Read("tarnwick/testkey.x509.pem"), "the user's certificate");
    EXPECT_TRUE(fs::is_empty(data / "apktool/framework"));
    EXPECT_TRUE(fs::is_regular_file(kSystemFramework));
    EXPECT_TRUE(fs::is_directory(home / ".local/share/apktool/framework"));

    // The signing pair made at the first start, for a user without one.
    fs::remove_all(user);
    ASSERT_TRUE(ChooseProgramFolder(ProgramPath(installed.path())).usable);
    EXPECT_TRUE(fs::is_empty(user / "recovery"));
    EXPECT_TRUE(SigningPairMatches(user / "testkey.x509.pem", user / "testkey.pk8"));
    EXPECT_EQ(Permissions(user / "testkey.pk8"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Permissions(user / "testkey.x509.pem"), Permissions(user / "testkey.pk8"));
}

TEST(ChooseProgramFolder, NamesAUsersFolderThatCannotBeMade) {
    const TempFolder installed;
    installed.Write("installed", "");
    const ScopedEnvironment dataHome{"XDG_DATA_HOME", "/proc"};  // not even for root
    const ProgramFolderChoice choice = ChooseProgramFolder(ProgramPath(installed.path()));
    EXPECT_FALSE(choice.usable);
    EXPECT_EQ(Utf8FromText(UserProgramFolderWarning(choice.folder)),
              "无法使用程序文件夹:\r\n\r\nZ:\\proc\\tarnwick\r\n\r\n"
              "请腾出磁盘空间,或修改该文件夹的权限使您能够写入,再重新运行!");
}

}  // namespace
}  // namespace tarnwick::app
