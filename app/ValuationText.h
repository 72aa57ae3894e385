// The text rules the valuation applies to source and lookup values: trimming of blanks and control
// characters, and taking the first n characters of a text (whole UTF-8 characters, never a split
// byte sequence), which gives the whole text when it is shorter.
#pragma once

#include <string>
#include <string_view>

//! The text without leading and trailing blanks and control characters.
std::string Trimmed(std::string_view text);
//! The first count characters of the text; the whole text when it has fewer.
std::string FirstCharacters(std::string_view text, std::size_t count);
