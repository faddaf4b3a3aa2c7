#pragma once
// OpenSSL's libcrypto, loaded at run time when the program first needs it: a signing pair is
// made once for a user and looked at only before a signing, so an ordinary start never maps
// the library. OpenSSL's headers give each function's type; the package depends on the
// library by name (packaging/linux/CMakeLists.txt).

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

namespace tarnwick::posix {

// The functions the signing pair uses, by their names in the library.
#define TARNWICK_LIBCRYPTO_FUNCTIONS(F) \
    F(BIO_ctrl)                         \
    F(BIO_free)                         \
    F(BIO_new)                          \
    F(BIO_new_mem_buf)                  \
    F(BIO_s_mem)                        \
    F(BN_free)                          \
    F(BN_new)                           \
    F(BN_rand)                          \
    F(BN_to_ASN1_INTEGER)               \
    F(ERR_clear_error)                  \
    F(EVP_PKCS82PKEY)                   \
    F(EVP_PKEY_Q_keygen)                \
    F(EVP_PKEY_free)                    \
    F(EVP_sha256)                       \
    F(PEM_read_bio_X509)                \
    F(PEM_write_bio_X509)               \
    F(PKCS8_PRIV_KEY_INFO_free)         \
    F(X509_NAME_add_entry_by_txt)       \
    F(X509_check_private_key)           \
    F(X509_free)                        \
    F(X509_get_serialNumber)            \
    F(X509_get_subject_name)            \
    F(X509_getm_notAfter)               \
    F(X509_getm_notBefore)              \
    F(X509_gmtime_adj)                  \
    F(X509_new)                         \
    F(X509_set_issuer_name)             \
    F(X509_set_pubkey)                  \
    F(X509_set_version)                 \
    F(X509_sign)                        \
    F(X509_time_adj_ex)                 \
    F(X509_SIG_free)                    \
    F(d2i_PKCS8_PRIV_KEY_INFO)          \
    F(d2i_X509)                         \
    F(d2i_X509_SIG)                     \
    F(i2d_PKCS8PrivateKey_bio)

struct Libcrypto {
// NOLINTNEXTLINE(bugprone-macro-parentheses): `name` names a member, as a declaration needs
#define TARNWICK_LIBCRYPTO_POINTER(name) decltype(&::name) name = nullptr;
    TARNWICK_LIBCRYPTO_FUNCTIONS(TARNWICK_LIBCRYPTO_POINTER)
#undef TARNWICK_LIBCRYPTO_POINTER
};

// The library with every function found, loaded at the first call; nullptr when it cannot be
// loaded or lacks one of them.
const Libcrypto* LoadLibcrypto();

}  // namespace tarnwick::posix
