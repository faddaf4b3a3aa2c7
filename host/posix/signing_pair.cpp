#include "host/posix/signing_pair.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/posix/libcrypto.h"

namespace tarnwick::posix {

namespace fs = std::filesystem;

namespace {

// An object of the library, freed by the library's own function.
template <typename T, typename Free>
std::unique_ptr<T, Free> Owned(T* object, Free free) {
    return {object, free};
}

constexpr int kKeyBits = 2048;
constexpr int kValidDays = 10950;  // thirty years: signed APKs outlive the phones
constexpr const char* kSubject = "Tarnwick test key";

struct PairFiles {
    std::string certificate;  // PEM
    std::string key;          // PKCS#8, DER
};

std::optional<std::string> Contents(const Libcrypto& c, BIO* buffer) {
    char* data = nullptr;
    const long size = c.BIO_ctrl(buffer, BIO_CTRL_INFO, 0, &data);  // BIO_get_mem_data
    if (size <= 0) {
        return std::nullopt;
    }
    return std::string(data, static_cast<std::size_t>(size));
}

bool SelfSign(const Libcrypto& c, X509* certificate, EVP_PKEY* key) {
    const auto serial = Owned(c.BN_new(), c.BN_free);
    if (!serial || c.X509_set_version(certificate, X509_VERSION_3) != 1 ||
        c.BN_rand(serial.get(), 63, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) != 1 ||
        c.BN_to_ASN1_INTEGER(serial.get(), c.X509_get_serialNumber(certificate)) == nullptr ||
        c.X509_gmtime_adj(c.X509_getm_notBefore(certificate), 0) == nullptr ||
        c.X509_time_adj_ex(c.X509_getm_notAfter(certificate), kValidDays, 0, nullptr) == nullptr) {
        return false;
    }
    X509_NAME* name = c.X509_get_subject_name(certificate);
    return c.X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                                        reinterpret_cast<const unsigned char*>(kSubject), -1, -1,
                                        0) == 1 &&
           c.X509_set_issuer_name(certificate, name) == 1 &&
           c.X509_set_pubkey(certificate, key) == 1 &&
           c.X509_sign(certificate, key, c.EVP_sha256()) != 0;
}

std::optional<PairFiles> NewPair(const Libcrypto& c) {
    const auto key =
        Owned(c.EVP_PKEY_Q_keygen(nullptr, nullptr, "RSA", std::size_t{kKeyBits}), c.EVP_PKEY_free);
    const auto certificate = Owned(c.X509_new(), c.X509_free);
    const auto keyBytes = Owned(c.BIO_new(c.BIO_s_mem()), c.BIO_free);
    const auto certificateBytes = Owned(c.BIO_new(c.BIO_s_mem()), c.BIO_free);
    if (!key || !certificate || !keyBytes || !certificateBytes ||
        !SelfSign(c, certificate.get(), key.get()) ||
        c.i2d_PKCS8PrivateKey_bio(keyBytes.get(), key.get(), nullptr, nullptr, 0, nullptr,
                                  nullptr) != 1 ||
        c.PEM_write_bio_X509(certificateBytes.get(), certificate.get()) != 1) {
        return std::nullopt;
    }
    std::optional<std::string> keyFile = Contents(c, keyBytes.get());
    std::optional<std::string> certificateFile = Contents(c, certificateBytes.get());
    if (!keyFile || !certificateFile) {
        return std::nullopt;
    }
    return PairFiles{std::move(*certificateFile), std::move(*keyFile)};
}

// Writes the bytes whole into a new file beside `target`, readable by the user only, and
// flushes it to the disk. Its path, or none (nothing left behind).
std::optional<fs::path> WriteTemporary(const fs::path& target, std::string_view bytes) {
    std::string name =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int file = mkostemp(name.data(), O_CLOEXEC);  // 0600
    if (file < 0) {
        return std::nullopt;
    }
    bool written = true;
    while (!bytes.empty() && written) {
        const ssize_t count = write(file, bytes.data(), bytes.size());
        if (count > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(count));
        } else {
            written = count < 0 && errno == EINTR;
        }
    }
    written = fsync(file) == 0 && written;
    written = close(file) == 0 && written;
    if (!written) {
        unlink(name.c_str());
        return std::nullopt;
    }
    return name;
}

// Gives the file its name unless something has it already (EEXIST then), as one step.
int PlaceNew(const fs::path& temporary, const fs::path& target, const PairPlacing& placing) {
    if (placing.renameWithoutReplacing) {
        if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) ==
            0) {
            return 0;
        }
        if (errno != EINVAL) {
            return errno;
        }
    }
    // A file system without the flag: a second name, which fails over an existing one.
    const int error = link(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
    unlink(temporary.c_str());
    return error;
}

void FlushFolder(const fs::path& folder) {
    const int handle = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        fsync(handle);
        close(handle);
    }
}

}  // namespace

bool MakeSigningPair(const fs::path& certificate, const fs::path& key, const PairPlacing& placing) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(certificate, error)) ||
        fs::exists(fs::symlink_status(key, error))) {
        return true;
    }
    const Libcrypto* crypto = LoadLibcrypto();
    const std::optional<PairFiles> pair = crypto ? NewPair(*crypto) : std::nullopt;
    if (!pair) {
        return false;
    }
    const std::optional<fs::path> newKey = WriteTemporary(key, pair->key);
    const std::optional<fs::path> newCertificate =
        newKey ? WriteTemporary(certificate, pair->certificate) : std::nullopt;
    if (!newCertificate) {
        if (newKey) {
            unlink(newKey->c_str());
        }
        return false;
    }
    placing.beforePlacing();
    // The key first: a certificate never stands without its key.
    const int keyPlaced = PlaceNew(*newKey, key, placing);
    if (keyPlaced != 0) {
        unlink(newKey->c_str());
        unlink(newCertificate->c_str());
        // EEXIST: another start placed its key first and places its own certificate.
        return keyPlaced == EEXIST;
    }
    const int certificatePlaced = PlaceNew(*newCertificate, certificate, placing);
    if (certificatePlaced != 0) {
        unlink(newCertificate->c_str());
        if (certificatePlaced != EEXIST) {
            unlink(key.c_str());
            return false;
        }
    }
    FlushFolder(key.parent_path());
    return true;
}

SigningPairFault SigningPairContentsFault(const std::string& certificate, const std::string& key) {
    const Libcrypto* crypto = LoadLibcrypto();
    constexpr std::size_t kLargest = 1 << 20;  // far beyond any certificate or key
    if (crypto == nullptr) {
        return SigningPairFault::None;
    }
    if (certificate.size() > kLargest || key.size() > kLargest) {
        return certificate.size() > kLargest ? SigningPairFault::NotACertificate
                                             : SigningPairFault::NotAKey;
    }
    const Libcrypto& c = *crypto;
    const auto start = [](const std::string& file) {
        return reinterpret_cast<const unsigned char*>(file.data());
    };
    const auto size = [](const std::string& file) { return static_cast<long>(file.size()); };
    // PEM, else DER, as Java's certificate factory reads it.
    const auto pem = Owned(
        c.BIO_new_mem_buf(certificate.data(), static_cast<int>(size(certificate))), c.BIO_free);
    auto x509 = Owned(pem ? c.PEM_read_bio_X509(pem.get(), nullptr, nullptr, nullptr) : nullptr,
                      c.X509_free);
    const unsigned char* der = start(certificate);
    if (!x509) {
        x509.reset(c.d2i_X509(nullptr, &der, size(certificate)));
    }
    der = start(key);
    const auto info =
        Owned(c.d2i_PKCS8_PRIV_KEY_INFO(nullptr, &der, size(key)), c.PKCS8_PRIV_KEY_INFO_free);
    const auto privateKey = Owned(info ? c.EVP_PKCS82PKEY(info.get()) : nullptr, c.EVP_PKEY_free);
    der = start(key);
    const auto encrypted =
        Owned(privateKey ? nullptr : c.d2i_X509_SIG(nullptr, &der, size(key)), c.X509_SIG_free);
    SigningPairFault fault = SigningPairFault::None;
    if (!x509) {
        fault = SigningPairFault::NotACertificate;
    } else if (!privateKey) {
        fault = encrypted ? SigningPairFault::KeyEncrypted : SigningPairFault::NotAKey;
    } else if (c.X509_check_private_key(x509.get(), privateKey.get()) != 1) {
        fault = SigningPairFault::NotThePair;
    }
    c.ERR_clear_error();  // what the library noted of a file it could not read
    return fault;
}

}  // namespace tarnwick::posix
