#pragma once
// The compile mode's signing pair for a user of the installed program, made in the program
// itself: an RSA-2048 self-signed certificate (PEM) and its private key, unencrypted PKCS#8
// (DER), the two forms signapk takes.

#include <filesystem>

namespace tarnwick::posix {

// Makes both files, readable by the user only, when neither exists. A pair that is there, or
// one file of it, is never replaced. False when they could not be made (nothing is left then).
bool MakeSigningPair(const std::filesystem::path& certificate, const std::filesystem::path& key);

}  // namespace tarnwick::posix
