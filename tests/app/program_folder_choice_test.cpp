// The folder the program works in: its own, or for an installed program the user's own under
// the XDG data home, made at the first start and kept as the user left it at the next ones.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <latch>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/user_program_folder_warning.h"
#include "host/encoding.h"
#include "host/paths.h"
#include "host/posix/signing_pair.h"
#include "host/program_directory.h"
#include "host/signing_pair_check.h"
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

TEST(ChooseProgramFolder, StartsMadeAtOnceAllFindTheFolderMade) {
    const TempFolder installed, data;
    installed.Write("installed", "");
    const ScopedEnvironment dataHome{"XDG_DATA_HOME", data.path().string()};
    const fs::path user = data / "tarnwick";
    const auto usableStarts = [&] {
        constexpr int kStarts = 8;
        std::latch ready(kStarts);
        std::atomic<int> usable = 0;
        std::vector<std::jthread> starts;
        starts.reserve(kStarts);
        for (int start = 0; start < kStarts; ++start) {
            starts.emplace_back([&] {
                ready.arrive_and_wait();
                usable += ChooseProgramFolder(ProgramPath(installed.path())).usable ? 1 : 0;
            });
        }
        starts.clear();
        return usable == kStarts;
    };
    EXPECT_TRUE(usableStarts());
    EXPECT_EQ(
        CheckSigningPair(ProgramPath(user / "testkey.x509.pem"), ProgramPath(user / "testkey.pk8")),
        SigningPairFault::None);
    EXPECT_EQ(std::distance(fs::directory_iterator(user), {}), 6);  // no temporary file left
    // The links again, many times over: a pair there is not made again.
    for (int round = 0; round < 50; ++round) {
        for (const char* tool : {"apktool", "apktool.jar", "signapk.jar"}) {
            fs::remove(user / tool);
        }
        ASSERT_TRUE(usableStarts()) << "round " << round;
    }
}

// Another start places its pair between this one's check and its placing: this one keeps it,
// whether the file system renames without replacing or can only add a second name.
TEST(ChooseProgramFolder, APairAnotherStartPlacedMeanwhileStays) {
    for (const bool renameWithoutReplacing : {true, false}) {
        SCOPED_TRACE(renameWithoutReplacing ? "renamed" : "linked");
        const TempFolder folder;
        const auto anotherStart = [&] {
            folder.Write("k.pk8", "another start's key");
            folder.Write("c.pem", "another start's certificate");
        };
        EXPECT_TRUE(posix::MakeSigningPair(folder / "c.pem", folder / "k.pk8",
                                           {anotherStart, renameWithoutReplacing}));
        EXPECT_EQ(folder.Read("k.pk8"), "another start's key");
        EXPECT_EQ(folder.Read("c.pem"), "another start's certificate");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
    }
}

// A pair that cannot sign stays as it is at start; signing names it instead. Every form that
// signapk signs with passes.
TEST(ChooseProgramFolder, LeavesASigningPairThatCannotSignAsItIs) {
    const TempFolder installed, data, other;
    installed.Write("installed", "");
    const ScopedEnvironment dataHome{"XDG_DATA_HOME", data.path().string()};
    ASSERT_TRUE(posix::MakeSigningPair(other / "c.pem", other / "k.pk8"));
    ASSERT_TRUE(ChooseProgramFolder(ProgramPath(installed.path())).usable);
    const std::string certificate = data.Read("tarnwick/testkey.x509.pem");
    const std::string key = data.Read("tarnwick/testkey.pk8");
    const auto converted = [&](const std::string& command) {
        EXPECT_EQ(std::system(("cd '" + other.path().string() + "' && " + command).c_str()), 0);
        return other.Read("out");
    };
    const struct {
        const char* pair;
        std::optional<std::string> certificate, key;
        SigningPairFault fault;
    } pairs[] = {
        {"the pair made at the first start", certificate, key, SigningPairFault::None},
        {"a certificate in DER form", converted("openssl x509 -outform DER -in c.pem -out out"),
         other.Read("k.pk8"), SigningPairFault::None},
        {"an empty key", certificate, "", SigningPairFault::KeyEmpty},
        {"a key without its certificate, as a crash left it", std::nullopt, key,
         SigningPairFault::CertificateMissing},
        {"a certificate that is no certificate", key, key, SigningPairFault::NotACertificate},
        {"a key in PEM form", certificate, converted("openssl pkey -inform DER -in k.pk8 -out out"),
         SigningPairFault::NotAKey},
        {"an encrypted key", certificate,
         converted("openssl pkcs8 -topk8 -inform DER -in k.pk8 -outform DER -passout pass:x "
                   "-out out"),
         SigningPairFault::KeyEncrypted},
        {"a key of another pair", certificate, other.Read("k.pk8"), SigningPairFault::NotThePair},
    };
    const fs::path user = data / "tarnwick";
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.pair);
        fs::remove(user / "testkey.x509.pem");
        fs::remove(user / "testkey.pk8");
        if (p.certificate) {
            data.Write("tarnwick/testkey.x509.pem", *p.certificate);
        }
        data.Write("tarnwick/testkey.pk8", *p.key);
        EXPECT_TRUE(ChooseProgramFolder(ProgramPath(installed.path())).usable);
        EXPECT_EQ(fs::exists(user / "testkey.x509.pem"), p.certificate.has_value());
        EXPECT_EQ(data.Read("tarnwick/testkey.pk8"), *p.key);
        EXPECT_EQ(CheckSigningPair(ProgramPath(user / "testkey.x509.pem"),
                                   ProgramPath(user / "testkey.pk8")),
                  p.fault);
    }
}

// Named as the system names it: the user is to act on it.
TEST(ChooseProgramFolder, NamesAUsersFolderThatCannotBeUsed) {
    const TempFolder installed, data, home;
    installed.Write("installed", "");
    const ScopedEnvironment homeVariable{"HOME", home.path().string()};
    const struct {
        std::string dataHome;
        std::string message;
    } folders[] = {
        {"/proc",  // not even for root
         "无法使用程序文件夹:\r\n\r\n/proc/tarnwick\r\n\r\n"
         "请腾出磁盘空间,或修改该文件夹的权限使您能够写入,再重新运行!"},
        // Refused before anything is made in it.
        {(data / "50%off").string(),
         "程序文件夹的路径中含有命令行无法传递的字符:\r\n\r\n" +
             (data / "50%off/tarnwick").string() +
             "\r\n\r\n请将环境变量 XDG_DATA_HOME 设为路径中不含这些字符的文件夹,再重新运行!"},
    };
    for (const auto& f : folders) {
        const ScopedEnvironment dataHome{"XDG_DATA_HOME", f.dataHome};
        const ProgramFolderChoice choice = ChooseProgramFolder(ProgramPath(installed.path()));
        EXPECT_FALSE(choice.usable);
        EXPECT_EQ(Utf8FromText(UserProgramFolderWarning(choice.folder)), f.message);
    }
    EXPECT_TRUE(fs::is_empty(data.path()));
}

}  // namespace
}  // namespace tarnwick::app
