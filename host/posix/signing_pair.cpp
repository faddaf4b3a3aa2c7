#include "host/posix/signing_pair.h"

#include <fcntl.h>
#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tarnwick::posix {

namespace fs = std::filesystem;

namespace {

template <auto Free>
struct Freeing {
    template <typename T>
    void operator()(T* object) const {
        Free(object);
    }
};
using Key = std::unique_ptr<EVP_PKEY, Freeing<EVP_PKEY_free>>;
using Certificate = std::unique_ptr<X509, Freeing<X509_free>>;
using Number = std::unique_ptr<BIGNUM, Freeing<BN_free>>;
using Buffer = std::unique_ptr<BIO, Freeing<BIO_free>>;

constexpr int kKeyBits = 2048;
constexpr int kValidDays = 10950;  // thirty years: signed APKs outlive the phones
constexpr const char* kSubject = "Tarnwick test key";

std::optional<std::string> Contents(BIO* buffer) {
    char* data = nullptr;
    const long size = BIO_get_mem_data(buffer, &data);
    if (size <= 0) {
        return std::nullopt;
    }
    return std::string(data, static_cast<std::size_t>(size));
}

Certificate SelfSigned(EVP_PKEY* key) {
    Certificate certificate(X509_new());
    Number serial(BN_new());
    if (!certificate || !serial || X509_set_version(certificate.get(), X509_VERSION_3) != 1 ||
        BN_rand(serial.get(), 63, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) != 1 ||
        BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(certificate.get())) == nullptr ||
        X509_gmtime_adj(X509_getm_notBefore(certificate.get()), 0) == nullptr ||
        X509_time_adj_ex(X509_getm_notAfter(certificate.get()), kValidDays, 0, nullptr) ==
            nullptr) {
        return nullptr;
    }
    X509_NAME* name = X509_get_subject_name(certificate.get());
    if (X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                                   reinterpret_cast<const unsigned char*>(kSubject), -1, -1,
                                   0) != 1 ||
        X509_set_issuer_name(certificate.get(), name) != 1 ||
        X509_set_pubkey(certificate.get(), key) != 1 ||
        X509_sign(certificate.get(), key, EVP_sha256()) == 0) {
        return nullptr;
    }
    return certificate;
}

// Creates the file, which must not exist, readable by the user only, and writes it whole.
// EEXIST: another start of the program made it first. Any other failure removes what was made.
std::error_code WriteNewPrivateFile(const fs::path& path, std::string_view bytes) {
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (file < 0) {
        return {errno, std::generic_category()};
    }
    std::error_code error;
    while (!bytes.empty() && !error) {
        const ssize_t written = write(file, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written == 0 || errno != EINTR) {
            error.assign(written == 0 ? EIO : errno, std::generic_category());
        }
    }
    if (close(file) != 0 && !error) {
        error.assign(errno, std::generic_category());
    }
    if (error) {
        unlink(path.c_str());
    }
    return error;
}

}  // namespace

bool MakeSigningPair(const fs::path& certificate, const fs::path& key) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(certificate, error)) ||
        fs::exists(fs::symlink_status(key, error))) {
        return true;
    }
    const Key pair(EVP_RSA_gen(kKeyBits));
    if (!pair) {
        return false;
    }
    const Certificate signedCertificate = SelfSigned(pair.get());
    const Buffer keyBytes(BIO_new(BIO_s_mem()));
    const Buffer certificateBytes(BIO_new(BIO_s_mem()));
    if (!signedCertificate || !keyBytes || !certificateBytes ||
        i2d_PKCS8PrivateKey_bio(keyBytes.get(), pair.get(), nullptr, nullptr, 0, nullptr,
                                nullptr) != 1 ||
        PEM_write_bio_X509(certificateBytes.get(), signedCertificate.get()) != 1) {
        return false;
    }
    const std::optional<std::string> keyFile = Contents(keyBytes.get());
    const std::optional<std::string> certificateFile = Contents(certificateBytes.get());
    if (!keyFile || !certificateFile) {
        return false;
    }
    // The key first: whichever start of the program makes it also makes the certificate.
    error = WriteNewPrivateFile(key, *keyFile);
    if (error) {
        return error == std::errc::file_exists;
    }
    error = WriteNewPrivateFile(certificate, *certificateFile);
    if (error) {
        unlink(key.c_str());
        return false;
    }
    return true;
}

}  // namespace tarnwick::posix
