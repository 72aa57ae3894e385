// Texts between the client's UTF-8 and a Windows-1250 database, as the server converts them: a
// character the database cannot hold becomes "?".
#pragma once

#include <string>

namespace clientdouble {

std::string Utf8ToCp1250(const std::string& text);
std::string Cp1250ToUtf8(const std::string& text);
//! Whether the bytes are well-formed UTF-8.
bool IsUtf8(const std::string& text);
//! The longest prefix of a UTF-8 text that ends on a whole character and has at most `bytes` bytes.
std::string WholeCharacters(const std::string& text, size_t bytes);

} // namespace clientdouble
