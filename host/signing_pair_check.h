#pragma once
// The look at the compile mode's signing pair before a signing: signapk fails on a pair it
// cannot use without a word the user could act on, or waits for the password of an encrypted
// key that never comes. Only what signapk cannot use is refused; it takes a certificate in PEM
// or DER form and an unencrypted PKCS#8 key in DER form.

#include "host/text.h"

namespace tarnwick {

enum class SigningPairFault {
    None,
    CertificateMissing,
    KeyMissing,
    CertificateUnreadable,  // not a file, or one the user may not read
    KeyUnreadable,
    CertificateEmpty,
    KeyEmpty,
    NotACertificate,  // neither PEM nor DER
    NotAKey,          // not PKCS#8 in DER
    KeyEncrypted,     // signapk would ask for its password
    NotThePair,       // the key is not the certificate's
};

// Why the pair cannot sign, the certificate's files looked at before the key's. On Windows only
// the files are looked at; elsewhere what they hold too, where OpenSSL's library can be loaded
// (without it signapk says what it finds).
SigningPairFault CheckSigningPair(const Text& certificate, const Text& key);

}  // namespace tarnwick
