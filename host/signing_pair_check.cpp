#include "host/signing_pair_check.h"

#include <filesystem>
#include <system_error>

#include "host/files.h"
#include "host/paths.h"
#ifndef _WIN32
#include "host/posix/signing_pair.h"
#endif

namespace tarnwick {

namespace {

// The faults of one file of the pair.
struct FileFaults {
    SigningPairFault missing, unreadable, empty;
};
constexpr FileFaults kCertificateFaults = {SigningPairFault::CertificateMissing,
                                           SigningPairFault::CertificateUnreadable,
                                           SigningPairFault::CertificateEmpty};
constexpr FileFaults kKeyFaults = {SigningPairFault::KeyMissing, SigningPairFault::KeyUnreadable,
                                   SigningPairFault::KeyEmpty};

// Read as every file of the program is: a file only, never what a device or a pipe sends.
SigningPairFault ReadPairFile(const Text& path, const FileFaults& faults, Bytes& contents) {
    contents = ReadWholeFile(path);
    if (!contents.empty()) {
        return SigningPairFault::None;
    }
    if (!PathExists(path)) {
        return faults.missing;
    }
    std::error_code error;
    const bool empty = FileExists(path) && std::filesystem::file_size(NativePath(path), error) == 0;
    return empty && !error ? faults.empty : faults.unreadable;
}

}  // namespace

SigningPairFault CheckSigningPair(const Text& certificate, const Text& key) {
    Bytes certificateFile;
    Bytes keyFile;
    SigningPairFault fault = ReadPairFile(certificate, kCertificateFaults, certificateFile);
    if (fault == SigningPairFault::None) {
        fault = ReadPairFile(key, kKeyFaults, keyFile);
    }
#ifdef _WIN32
    return fault;
#else
    return fault != SigningPairFault::None
               ? fault
               : posix::SigningPairContentsFault(certificateFile, keyFile);
#endif
}

}  // namespace tarnwick
