// The compile mode through the real command runner and the program's wiring, with a fake java
// in the program folder beside the apktool launcher that the program folder holds: the command
// line each tool receives, its output read back into the info window (both outputs, Chinese
// text too), and the forms refused before any tool runs.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "host/encoding.h"
#include "tests/compile/compile_flow.h"
#include "tests/support/bounded_wait.h"
#include "tests/support/fake_host.h"
#include "tests/support/fake_tools.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::compile::testing {
namespace {

namespace fs = std::filesystem;
using ::tarnwick::testing::InstallApktoolLauncher;
using ::tarnwick::testing::ScopedEnvironment;

// A link where the system can make one (Wine cannot).
bool MakeLink(const fs::path& target, const fs::path& link) {
    std::error_code error;
    fs::is_directory(target) ? fs::create_directory_symlink(target, link, error)
                             : fs::create_symlink(target, link, error);
    return !error;
}

#ifndef _WIN32
// Mounts need a user and mount namespace of the test's own: the test runs itself again there
// (unshare -rm needs no root), marked by this variable.
constexpr char kOwnNamespace[] = "TARNWICK_TEST_IN_OWN_NAMESPACE";

// The current test run again in a namespace of its own: whether it passed there; none where
// user namespaces are disabled.
std::optional<bool> PassesInOwnNamespace() {
    if (std::system("unshare -rm true 2>/dev/null") != 0) {
        return std::nullopt;
    }
    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    const std::string command = std::string(kOwnNamespace) + "=1 unshare -rm '" +
                                fs::read_symlink("/proc/self/exe").string() +
                                "' --gtest_filter=" + test.test_suite_name() + "." + test.name();
    return std::system(command.c_str()) == 0;
}

// A bind mount for the life of the object.
class BindMount {
public:
    BindMount(const fs::path& folder, const fs::path& at) : at_(at) {
        fs::create_directories(at);
        made_ = mount(folder.c_str(), at.c_str(), nullptr, MS_BIND, nullptr) == 0;
    }
    ~BindMount() {
        if (made_) {
            umount2(at_.c_str(), MNT_DETACH);
        }
    }
    BindMount(const BindMount&) = delete;
    BindMount& operator=(const BindMount&) = delete;
    bool made() const { return made_; }

private:
    fs::path at_;
    bool made_;
};

// A folder no one may read, root included, for the life of the object: its permissions are
// taken away and the process's power to pass over them is set aside.
class UnreadableFolder {
public:
    explicit UnreadableFolder(const fs::path& folder) : folder_(folder) {
        syscall(SYS_capget, &header_, kept_);
        __user_cap_data_struct lowered[2] = {kept_[0], kept_[1]};
        lowered[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, lowered);
        fs::permissions(folder_, fs::perms::none);
    }
    ~UnreadableFolder() {
        fs::permissions(folder_, fs::perms::owner_all);
        syscall(SYS_capset, &header_, kept_);
    }
    UnreadableFolder(const UnreadableFolder&) = delete;
    UnreadableFolder& operator=(const UnreadableFolder&) = delete;

private:
    fs::path folder_;
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct kept_[2]{};
};

// About `spare` more files open at once than are open now, for the life of the object: new
// descriptors take the lowest free numbers, and the limit bounds the numbers.
class OpenFileLimit {
public:
    explicit OpenFileLimit(int spare) {
        getrlimit(RLIMIT_NOFILE, &kept_);
        const auto open = std::distance(fs::directory_iterator("/proc/self/fd"), {});
        rlimit lowered = kept_;
        lowered.rlim_cur = static_cast<rlim_t>(open + spare);
        setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~OpenFileLimit() { setrlimit(RLIMIT_NOFILE, &kept_); }
    OpenFileLimit(const OpenFileLimit&) = delete;
    OpenFileLimit& operator=(const OpenFileLimit&) = delete;

private:
    rlimit kept_{};
};
#endif

class CompileEndToEnd : public CompileFlow {
protected:
    CompileEndToEnd() : CompileFlow({}) {
        sandbox_.WriteTool("java", {"out=I: 已完成", "err=W: 有警告"});
        InstallApktoolLauncher(sandbox_.program);
        for (const char* file : {"apktool.jar", "signapk.jar", "testkey.x509.pem", "testkey.pk8"}) {
            sandbox_.program.Write(file, file);
        }
    }

    // What java records for an argument that names a file of the program folder or the user's.
    std::string Given(const fs::path& file, const std::string& content) const {
        return file.string() + "\n<<" + content + ">>\n";
    }

    const ::tarnwick::testing::TempFolder& user_ = sandbox_.user;
#ifndef _WIN32
    // The launcher runs the java of the search path; Windows' cmd looks in the current folder.
    ScopedEnvironment path_{"PATH", sandbox_.program.path().string() + ":" + std::getenv("PATH")};
#endif
};

TEST_F(CompileEndToEnd, EachOperationHandsItsToolTheFilesAndShowsWhatItPrinted) {
    user_.Write("fw/framework-res.apk", "FW");
    user_.Write("fw/厂商 res.apk", "VENDOR");
    user_.Write("my apps/应用.apk", "APK");
    user_.Write("decoded/apktool.yml", "version: 2.7.0\n");
    // Deeper than the walk through it could go with a folder open per level.
    user_.Write("deep/apktool.yml", "version: 2.7.0\n");
    fs::path deepest = user_ / "deep";
    for (int level = 0; level < 300; ++level) {
        deepest /= "d";
    }
    fs::create_directories(deepest);
    const std::string apktool =
        "[java]\n-jar\n" + Given(sandbox_.program / "apktool.jar", "apktool.jar");
    const std::string framework = "[java]\n-jar\napktool.jar\n<<apktool.jar>>\nif\n";
    const std::string printed = "I: 已完成\nW: 有警告\n";
    const struct {
        const char* name;
        ui::CheckBox* operation;  // null: the framework install
        const char* in;           // 资源3, or 资源1 of the framework install
        const char* out;          // 资源4, or 资源2 of the framework install
        std::string record;
        std::string shown;
    } cases[] = {
        {"the framework", nullptr, "fw/framework-res.apk", "",
         framework + Given(user_ / "fw/framework-res.apk", "FW"), printed},
        {"the framework and the maker's", nullptr, "fw/framework-res.apk", "fw/厂商 res.apk",
         framework + Given(user_ / "fw/framework-res.apk", "FW") + framework +
             Given(user_ / "fw/厂商 res.apk", "VENDOR"),
         printed + printed},
        {"decompile", &compile_.反编译, "my apps/应用.apk", "decoded",
         apktool + "d\n-f\n" + Given(user_ / "my apps/应用.apk", "APK") + "-o\n" +
             (user_ / "decoded").string() + "\n",
         printed},
        {"decompile into a deep folder", &compile_.反编译, "my apps/应用.apk", "deep",
         apktool + "d\n-f\n" + Given(user_ / "my apps/应用.apk", "APK") + "-o\n" +
             (user_ / "deep").string() + "\n",
         printed},
        {"rebuild", &compile_.回编译, "decoded", "my apps/新.apk",
         apktool + "b\n-f\n" + (user_ / "decoded").string() + "\n-o\n" +
             (user_ / "my apps/新.apk").string() + "\n",
         printed},
        // 淺's second byte in the program's encoding is a backslash: the closing quote stays.
        {"rebuild 淺", &compile_.回编译, "淺", "my apps/新.apk",
         apktool + "b\n-f\n" + (user_ / "淺").string() + "\n-o\n" +
             (user_ / "my apps/新.apk").string() + "\n",
         printed},
        {"sign", &compile_.签名, "my apps/应用.apk", "my apps/已签名.apk",
         "[java]\n-jar\nsignapk.jar\n<<signapk.jar>>\ntestkey.x509.pem\n<<testkey.x509.pem>>\n"
         "testkey.pk8\n<<testkey.pk8>>\n" +
             Given(user_ / "my apps/应用.apk", "APK") + (user_ / "my apps/已签名.apk").string() +
             "\n",
         printed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sandbox_.records.Write("record.txt", "");
        ui::testing::ClickMark(c.operation == nullptr ? compile_.载入资源 : compile_.编译模式);
        Text shown;
        if (c.operation == nullptr) {
            compile_.资源1.setContent(ProgramPath(user_ / c.in));
            compile_.资源2.setContent(*c.out == '\0' ? Text() : ProgramPath(user_ / c.out));
            shown = Execute();
        } else {
#ifndef _WIN32
            const OpenFileLimit limit(64);
#endif
            shown = Run(*c.operation, user_ / c.in, user_ / c.out);
        }
        EXPECT_EQ(sandbox_.Record(), c.record);
        EXPECT_EQ(shown, Text(c.shown.c_str()));
    }
}

TEST_F(CompileEndToEnd, ALineOfAMegabyteIsShownCutAtACharacter) {
    const std::string line = ::tarnwick::testing::MegabyteLine();
    sandbox_.WriteTool("java", {"out=" + line, "out=I: 已完成"});
    user_.Write("app.apk", "APK");
    ui::testing::ClickMark(compile_.编译模式);
    Text shown;
    {
        const ::tarnwick::testing::Deadline deadline("showing a tool's output of 1 MB",
                                                     std::chrono::seconds(5));
        shown = Run(compile_.反编译, user_ / "app.apk", user_ / "app");
        ui::InfoWindow(*windows_.Find(app::WindowKind::Info)).编辑框1.widget()->grab();
    }
    EXPECT_EQ(shown, Text((line.substr(0, std::size_t{1000} * 3) + "…\nI: 已完成\n").c_str()));
}

TEST_F(CompileEndToEnd, ADecompileThatWouldEmptyTheUsersFilesRunsNothing) {
#ifndef _WIN32
    const bool mayMount = std::getenv(kOwnNamespace) != nullptr;
    if (!mayMount) {
        if (const std::optional<bool> passed = PassesInOwnNamespace()) {
            EXPECT_TRUE(*passed) << "the run in a namespace of its own failed (its output above)";
            return;
        }
        std::cout << "User namespaces are disabled here: the cases with mounts are left out\n";
    }
#endif
    // apktool d -f empties OUT before it reads the APK, following links inside it too.
    user_.Write("Music.apk", "not read");
    user_.Write("Music/song.mp3", "song");
    user_.Write("elsewhere/keep.txt", "kept");
    user_.Write("real/Music.apk", "not read");
    user_.Write("real/Music/song.mp3", "song");
    user_.Write("chosen/Music/notes.txt", "notes");
    user_.Write("Linked.apk", "not read");
    user_.Write("earlier/apktool.yml", "version: 2.7.0\n");  // apktool's, but behind a link
    user_.Write("Decoded.apk", "not read");
    user_.Write("Decoded/apktool.yml", "version: 2.7.0\n");  // apktool's, with a link inside
    user_.Write("Decoded/res/values/strings.xml", "<resources/>");
    user_.Write("work/app/apktool.yml", "version: 2.7.0\n");
    user_.Write("work/app/app.apk", "rebuilt into apktool's folder");
    // The user's only copy, where apktool b writes it, reached by other names.
    user_.Write("work/app/dist/app.apk", "the only copy");
    user_.Write("other/readme.txt", "other");
    user_.Write("spare/app.apk", "not read");
    user_.Write("mounts/app/apktool.yml", "version: 2.7.0\n");
    user_.Write("Locked.apk", "not read");
    user_.Write("Locked/apktool.yml", "version: 2.7.0\n");
    user_.Write("Locked/res/values/strings.xml", "<resources/>");  // a folder no one may read
    std::error_code error;
    fs::create_directory(user_ / "hardlinked");
    fs::create_directory(user_ / "linked");
    fs::create_hard_link(user_ / "work/app/dist/app.apk", user_ / "hardlinked/app.apk", error);
    const bool hardLink = !error;
    const bool links = MakeLink(user_ / "elsewhere", user_ / "Music/more") &&
                       MakeLink(user_ / "real", user_ / "via") &&
                       MakeLink(user_ / "earlier", user_ / "Linked") &&
                       MakeLink(user_ / "elsewhere", user_ / "Decoded/res/more") &&
                       MakeLink(user_ / "work/app/dist", user_ / "built") &&
                       MakeLink(user_ / "work/app/dist/app.apk", user_ / "linked/app.apk") &&
                       MakeLink(user_ / "work/app/dist", user_ / "other/s") &&
                       MakeLink(user_ / "loop", user_ / "loop");
    bool mounts = false;
#ifndef _WIN32
    // A folder of OUT mounted elsewhere, and a mount point inside OUT.
    const std::optional<BindMount> distElsewhere =
        mayMount ? std::make_optional<BindMount>(user_ / "work/app/dist", user_ / "mounted")
                 : std::nullopt;
    const std::optional<BindMount> insideOut =
        mayMount ? std::make_optional<BindMount>(user_ / "elsewhere", user_ / "mounts/app/mnt")
                 : std::nullopt;
    mounts = mayMount && distElsewhere->made() && insideOut->made();
    // Where Debian's apktool is there, it stands ready to do the harm if a form got through.
    if (fs::exists("/usr/bin/apktool")) {
        fs::remove(sandbox_.program / "apktool");
        fs::create_symlink("/usr/bin/apktool", sandbox_.program / "apktool");
    }
#endif
    const auto before = UserFiles();

    const std::string notApktools = R"(ShowMessage("输出目录已存在,且不是反编译生成的目录!\r\n\r\n)"
                                    R"(请另选目录,或先将其移走!", 0, "警告!") -> 0)";
    const std::string apkInside = R"(ShowMessage("要反编译的文件位于输出目录中!\r\n\r\n)"
                                  R"(请另选目录,或先将文件移走!", 0, "警告!") -> 0)";
    const std::string unreadable =
        "ShowMessage(" +
        ::tarnwick::testing::Quoted("无法检查输出目录:\r\n\r\n" +
                                    ProgramPath(user_ / "Locked/res") + "\r\n\r\n" +
                                    TextFromUtf8(std::generic_category().message(EACCES))) +
        R"(, 0, "警告!") -> 0)";
#ifdef _WIN32
    const bool unreadableFolders = false;  // Wine keeps no permissions
#else
    const bool unreadableFolders = true;
#endif
    const struct {
        const char* apk;     // "\\..\\" stays in the path as typed
        const char* chosen;  // the folder chosen with the browser; null: the name beside the APK
        const char* out;
        bool possible;  // the links, hard link or mounts it needs could be made
        std::string refusal;
    } cases[] = {
        {"Music.apk", nullptr, "Music", true, notApktools},
        {"via\\Music.apk", nullptr, "via/Music", links, notApktools},
        {"Music.apk", "chosen", "chosen/Music", true, notApktools},
        {"Linked.apk", nullptr, "Linked", links, notApktools},
        {"Decoded.apk", nullptr, "Decoded", links, notApktools},
        {"work\\app\\app.apk", "work", "work/app", true, apkInside},
        {"built\\app.apk", "work", "work/app", links, apkInside},
        {"linked\\app.apk", "work", "work/app", links, apkInside},
        {"other\\s\\..\\dist\\app.apk", "work", "work/app", links, apkInside},
        {"loop\\app.apk", "work", "work/app", links, apkInside},  // cannot be resolved
        {"hardlinked\\app.apk", "work", "work/app", hardLink, apkInside},
        {"mounted\\app.apk", "work", "work/app", mounts, apkInside},
        {"spare\\app.apk", "mounts", "mounts/app", mounts, notApktools},
        {"Locked.apk", nullptr, "Locked", unreadableFolders, unreadable},
    };
    ui::testing::ClickMark(compile_.编译模式);
    ui::testing::ClickMark(compile_.反编译);
    for (const auto& c : cases) {
        if (!c.possible) {
            continue;
        }
        SCOPED_TRACE(c.apk);
        compile_.资源3.setContent(ProgramPath(user_.path()) + "\\" + c.apk);
        if (c.chosen != nullptr) {
            sandbox_.host.folderChoices = {ProgramPath(user_ / c.chosen)};
            compile_.图形按钮4.onClick();
        }
        ASSERT_EQ(compile_.资源4.content(), ProgramPath(user_ / c.out));
        {
#ifndef _WIN32
            const UnreadableFolder locked(user_ / "Locked/res");
#endif
            EXPECT_EQ(Refuse(), c.refusal);
        }
        EXPECT_EQ(UserFiles(), before);
    }
    EXPECT_EQ(sandbox_.Record(), "");
}

#ifdef _WIN32
TEST_F(CompileEndToEnd, WithoutJavaTheLauncherSaysWhatIsMissing) {
    sandbox_.RemoveTool("java");
    user_.Write("app.apk", "APK");
    ui::testing::ClickMark(compile_.编译模式);
    const std::string shown = Utf8FromText(Run(compile_.反编译, user_ / "app.apk", user_ / "app"));
    EXPECT_NE(shown.find("编译模式需要 Java 11 或更高版本"), std::string::npos) << shown;
}
#endif

TEST_F(CompileEndToEnd, SigningOntoTheInputFileUnderAnyOfItsPathsRunsNothing) {
    // signapk empties its output before it reads its input.
    user_.Write("apps/app.apk", "APK");
    const bool links = MakeLink(user_ / "apps", user_ / "link") &&
                       MakeLink(user_ / "apps/app.apk", user_ / "alias.apk");
    const Text in = ProgramPath(user_ / "apps/app.apk");

    ui::testing::ClickMark(compile_.编译模式);
    ui::testing::ClickMark(compile_.签名);
    const struct {
        Text out;
        bool throughLink;
    } cases[] = {
        {in, false},
        {ProgramPath(user_ / "apps") + "\\..\\apps\\app.apk", false},
        {ProgramPath(user_ / "link/app.apk"), true},
        {ProgramPath(user_ / "alias.apk"), true},
    };
    for (const auto& [out, throughLink] : cases) {
        if (throughLink && !links) {
            continue;
        }
        SCOPED_TRACE(out.bytes());
        compile_.资源3.setContent(in);
        compile_.资源4.setContent(out);
        EXPECT_EQ(Refuse(), R"(ShowMessage("生成的文件不能与原文件相同!\r\n\r\n)"
                            R"(请设置其他文件名!", 0, "") -> 0)");
    }
    EXPECT_EQ(user_.Read("apps/app.apk"), "APK");
    EXPECT_EQ(sandbox_.Record(), "");
}

}  // namespace
}  // namespace tarnwick::compile::testing
