#include "host/posix/libcrypto.h"

#include <dlfcn.h>
#include <openssl/opensslv.h>

#include <optional>

namespace tarnwick::posix {

namespace {

#define TARNWICK_STRING(value) #value
#define TARNWICK_SONAME(version) "libcrypto.so." TARNWICK_STRING(version)
// The soname of the library whose headers the program is built with.
constexpr const char* kSoname = TARNWICK_SONAME(OPENSSL_SHLIB_VERSION);
#undef TARNWICK_SONAME
#undef TARNWICK_STRING

std::optional<Libcrypto> Load() {
    // Never unloaded: OpenSSL keeps itself loaded once initialised.
    void* library = dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    Libcrypto crypto;
    bool found = true;
#define TARNWICK_LIBCRYPTO_FIND(name)                                             \
    crypto.name = reinterpret_cast<decltype(crypto.name)>(dlsym(library, #name)); \
    found = found && crypto.name != nullptr;
    TARNWICK_LIBCRYPTO_FUNCTIONS(TARNWICK_LIBCRYPTO_FIND)
#undef TARNWICK_LIBCRYPTO_FIND
    if (!found) {
        return std::nullopt;
    }
    return crypto;
}

}  // namespace

const Libcrypto* LoadLibcrypto() {
    static const std::optional<Libcrypto> crypto = Load();
    return crypto ? &*crypto : nullptr;
}

}  // namespace tarnwick::posix
