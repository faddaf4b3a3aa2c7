#include "host/posix/process_spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <thread>

extern char** environ;

namespace tarnwick::posix {

namespace {

// A copy of `fd` numbered 3 or above, so that placing the child's descriptors 1 and 2 cannot
// overwrite a source before it is used (as "2>&1 > file" or "1>&2" would).
class HighCopy {
public:
    explicit HighCopy(int fd) : fd_(fcntl(fd, F_DUPFD_CLOEXEC, 3)) {}
    ~HighCopy() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    HighCopy(const HighCopy&) = delete;
    HighCopy& operator=(const HighCopy&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    bool Prepare(int out, int err) {
        bool ok = posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0) == 0 &&
                  posix_spawn_file_actions_adddup2(&actions_, out, 1) == 0 &&
                  posix_spawn_file_actions_adddup2(&actions_, err, 2) == 0;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
        // Descriptors opened elsewhere in the process without close-on-exec stay ours too.
        ok = ok && posix_spawn_file_actions_addclosefrom_np(&actions_, 3) == 0;
#endif
        // A child starts with the usual signal dispositions and nothing blocked.
        sigset_t none;
        sigset_t defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        ok = ok && posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
             posix_spawnattr_setsigdefault(&attributes_, &defaults) == 0 &&
             posix_spawnattr_setpgroup(&attributes_, 0) == 0 &&
             posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF |
                                                        POSIX_SPAWN_SETPGROUP) == 0;
        return ok;
    }

    const posix_spawn_file_actions_t* actions() const {
        return &actions_;
    }
    const posix_spawnattr_t* attributes() const {
        return &attributes_;
    }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

std::vector<std::string> OurEnvironment() {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    return environment;
}

std::vector<char*> Pointers(const std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (const std::string& string : strings) {
        pointers.push_back(const_cast<char*>(string.c_str()));
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

void Say(int fd, std::string_view message) {
    while (!message.empty()) {
        const ssize_t count = write(fd, message.data(), message.size());
        if (count < 0) {
            return;
        }
        message.remove_prefix(static_cast<std::size_t>(count));
    }
}

pid_t StartProcess(const std::filesystem::path& program, const std::vector<std::string>& argv,
                   OutputStreams streams) {
    const HighCopy out(streams.out);
    const HighCopy err(streams.err);
    SpawnSetup setup;
    if (out.fd() < 0 || err.fd() < 0 || !setup.Prepare(out.fd(), err.fd())) {
        return -1;
    }
    const std::vector<std::string> environment =
        ToolEnvironment(OurEnvironment(), TakesUtf8CharacterType());
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), setup.actions(), setup.attributes(),
                    Pointers(argv).data(), Pointers(environment).data()) != 0) {
        return -1;
    }
    return pid;
}

std::vector<std::string> ToolEnvironment(const std::vector<std::string>& environment,
                                         bool utf8CharacterType) {
    if (utf8CharacterType) {
        return environment;
    }
    std::vector<std::string> utf8;
    std::copy_if(environment.begin(), environment.end(), std::back_inserter(utf8),
                 [](const std::string& entry) { return entry.rfind("LC_ALL=", 0) != 0; });
    utf8.emplace_back("LC_ALL=C.UTF-8");
    return utf8;
}

bool TakesUtf8CharacterType() {
    const locale_t locale = newlocale(LC_ALL_MASK, "", locale_t{});
    if (locale == locale_t{}) {
        return false;
    }
    const bool utf8 = std::string_view(nl_langinfo_l(CODESET, locale)) == "UTF-8";
    freelocale(locale);
    return utf8;
}

void ReapWhenEnded(pid_t pid) {
    std::thread([pid] {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace tarnwick::posix
