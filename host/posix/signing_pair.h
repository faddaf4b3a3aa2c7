#pragma once
// The compile mode's signing pair: an RSA-2048 self-signed certificate (PEM) and its private
// key, unencrypted PKCS#8 (DER). The program makes one for a user of the installed program, and
// looks at what a pair holds before it signs with it.

#include <filesystem>
#include <functional>
#include <string>

#include "host/signing_pair_check.h"

namespace tarnwick::posix {

// How the new files take their names; the tests set what happens between the check that
// neither file exists and the placing (another start placing its pair), and take the way of a
// file system that cannot rename without replacing.
struct PairPlacing {
    std::function<void()> beforePlacing = [] {};
    bool renameWithoutReplacing = true;  // false: a second name (link), then the first removed
};

// Makes both files, readable by the user only, when neither exists. A pair that is there, or
// one file of it, is never touched. Each file is written whole and flushed under a temporary
// name, then takes its own name, the key first and the certificate last, never over a file
// another start of the program put there meanwhile: a crash leaves no file half written, and
// of starts racing, one makes the pair and the others find it made. False when the pair could
// not be made (nothing is left then).
bool MakeSigningPair(const std::filesystem::path& certificate, const std::filesystem::path& key,
                     const PairPlacing& placing = {});

// Why a pair whose files hold these bytes cannot sign: a certificate in neither PEM nor DER
// form, a key that is not unencrypted PKCS#8 in DER form, or a key that is not the
// certificate's. None as well when the library that reads them cannot be loaded: signapk then
// says what it finds.
SigningPairFault SigningPairContentsFault(const std::string& certificate, const std::string& key);

}  // namespace tarnwick::posix
