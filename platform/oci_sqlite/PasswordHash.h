// Salted password hashes for the user catalog: PBKDF2-HMAC-SHA256 with a random 16-byte salt, so
// the database file never holds a password or an unsalted digest of one.
#pragma once

#include <string>
#include <vector>

namespace ocisqlite {

struct PasswordHash {
    std::vector<unsigned char> salt;
    std::vector<unsigned char> digest;
    int iterations = 0;
};

inline constexpr int kPasswordIterations = 100000;

PasswordHash HashPassword(const std::string& password);
// Compares in constant time, so a wrong guess takes as long as a near miss.
bool VerifyPassword(const std::string& password, const PasswordHash& stored);

} // namespace ocisqlite
