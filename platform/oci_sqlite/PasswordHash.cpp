// PBKDF2 through OpenSSL; the salt comes from its random generator. The iteration count is stored
// with each hash, so a later increase keeps older hashes valid.
#include "platform/oci_sqlite/PasswordHash.h"

#include "platform/oci_sqlite/EngineError.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace ocisqlite {

static std::vector<unsigned char> Derive(const std::string& password, const std::vector<unsigned char>& salt,
                                         int iterations) {
    std::vector<unsigned char> digest(32);
    if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt.data(),
                          static_cast<int>(salt.size()), iterations, EVP_sha256(),
                          static_cast<int>(digest.size()), digest.data()) != 1)
        throw ora::Internal("password hashing failed");
    return digest;
}

PasswordHash HashPassword(const std::string& password) {
    PasswordHash hash;
    hash.salt.resize(16);
    if (RAND_bytes(hash.salt.data(), static_cast<int>(hash.salt.size())) != 1)
        throw ora::Internal("no random salt");
    hash.iterations = kPasswordIterations;
    hash.digest = Derive(password, hash.salt, hash.iterations);
    return hash;
}

bool VerifyPassword(const std::string& password, const PasswordHash& stored) {
    if (stored.iterations <= 0 || stored.digest.empty())
        return false;
    const auto digest = Derive(password, stored.salt, stored.iterations);
    return digest.size() == stored.digest.size() &&
           CRYPTO_memcmp(digest.data(), stored.digest.data(), digest.size()) == 0;
}

} // namespace ocisqlite
