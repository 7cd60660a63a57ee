#include "platform/ContentHash.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>

#include "platform/Text.h"

namespace {

// The system's SHA-256, opened once for the program's life.
BCRYPT_ALG_HANDLE Sha256()
{
    static BCRYPT_ALG_HANDLE algorithm = [] {
        BCRYPT_ALG_HANDLE opened = nullptr;
        return BCryptOpenAlgorithmProvider(&opened, BCRYPT_SHA256_ALGORITHM, nullptr, 0) == 0 ? opened : nullptr;
    }();
    return algorithm;
}

}  // namespace

std::string ContentHash(const std::string& bytes)
{
    unsigned char digest[32] = {};
    BCRYPT_HASH_HANDLE hash = nullptr;
    // Hashed in pieces a ULONG can count.
    bool hashed = Sha256() && BCryptCreateHash(Sha256(), &hash, nullptr, 0, nullptr, 0, 0) == 0;
    for (size_t at = 0; hashed && at < bytes.size(); at += 1u << 30) {
        const size_t piece = std::min(bytes.size() - at, static_cast<size_t>(1u << 30));
        hashed = BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + at)),
                                static_cast<ULONG>(piece), 0) == 0;
    }
    hashed = hashed && BCryptFinishHash(hash, digest, sizeof(digest), 0) == 0;
    if (hash)
        BCryptDestroyHash(hash);
    // Without the system's hash no file can be proved the program's: an
    // empty text matches no hash that was written down.
    if (!hashed)
        return std::string();
    return HexText(digest, sizeof(digest));
}
