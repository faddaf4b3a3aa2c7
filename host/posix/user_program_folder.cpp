#include "host/posix/user_program_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <system_error>

#include "host/files.h"
#include "host/paths.h"
#include "host/posix/signing_pair.h"

namespace tarnwick::posix {

namespace fs = std::filesystem;

namespace {

// What the compile mode's command lines name in the program folder; the installed program's
// folder holds them.
constexpr const char* kInstalledTools[] = {"apktool", "apktool.jar", "signapk.jar"};

// The file Debian's own apktool launcher links into a missing framework folder.
constexpr const char* kSystemFramework = "/usr/share/android-framework-res/framework-res.apk";

// XDG_DATA_HOME when it names an absolute folder, else `home`/.local/share.
fs::path DataHome(const fs::path& home) {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && fs::path(data).is_absolute()) {
        return data;
    }
    return home / ".local/share";
}

// A link is made where nothing lies and renewed where it leads nowhere: made under a temporary
// name and renamed into place, so that a start of the program at the same moment finds either
// link whole and never the name missing.
bool LinkTool(const fs::path& link, const fs::path& target) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(link, error);
    if (fs::exists(status) && (!fs::is_symlink(status) || fs::exists(link, error))) {
        return true;
    }
    // Unique among the starts running: this process's id and a count of its own. One left
    // by an ended process of the same id is no one's.
    static std::atomic<unsigned> made = 0;
    const fs::path temporary =
        link.parent_path() / ("." + link.filename().string() + "." + std::to_string(getpid()) +
                              "." + std::to_string(++made));
    std::error_code ignored;
    fs::remove(temporary, ignored);
    fs::create_symlink(target, temporary, error);
    if (!error) {
        fs::rename(temporary, link, error);
    }
    if (error) {
        fs::remove(temporary, ignored);
    }
    return !error;
}

// Debian's apktool launcher links the system's framework into apktool's framework folder
// whenever that folder is missing, and a framework install would then write through the link
// into the system's file. Such a link is removed (never its target), and both folders are made
// so that the launcher never links again: the one apktool uses (its data home is taken from the
// user database, as Java takes the home folder) and the one the launcher looks at (HOME).
void KeepApktoolFrameworkApart() {
    const passwd* user = getpwuid(getuid());
    const fs::path home = NativePath("C:");
    for (const fs::path& data :
         {DataHome(user != nullptr ? fs::path(user->pw_dir) : home), home / ".local/share"}) {
        const fs::path framework = data / "apktool/framework";
        std::error_code error;
        if (fs::is_symlink(framework / "1.apk", error) &&
            fs::equivalent(framework / "1.apk", kSystemFramework, error)) {
            fs::remove(framework / "1.apk", error);
        }
        fs::create_directories(framework, error);
    }
}

}  // namespace

fs::path UserProgramFolder() {
    return DataHome(NativePath("C:")) / "tarnwick";
}

bool SetUpUserProgramFolder(const fs::path& folder, const fs::path& installedFolder) {
    std::error_code error;
    fs::create_directories(folder / "recovery", error);
    if (error || !CanCreateFileIn(ProgramPath(folder))) {
        return false;
    }
    bool linked = true;
    for (const char* tool : kInstalledTools) {
        linked = LinkTool(folder / tool, installedFolder / tool) && linked;
    }
    KeepApktoolFrameworkApart();
    return MakeSigningPair(folder / "testkey.x509.pem", folder / "testkey.pk8") && linked;
}

}  // namespace tarnwick::posix
