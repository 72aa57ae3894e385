// Small text helpers shared by the layers: upper case for identifiers and keys (ASCII letters only,
// so UTF-8 text passes through untouched), trimming of a chosen set of blank characters, and
// counting and cutting UTF-8 text by whole characters.
#pragma once

#include <string>
#include <string_view>

std::string UpperCase(std::string text);
std::string Trim(std::string_view text, std::string_view blanks = " \t\r\n");
std::string TrimRight(std::string_view text, std::string_view blanks = " \t\r\n");
//! The text without leading and trailing blanks and control characters (every byte up to ' ').
std::string TrimBlanksAndControls(std::string_view text);

//! The characters (code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);
//! The first count characters of a UTF-8 text, never half a character; the whole text when shorter.
std::string FirstCharacters(std::string_view utf8, std::size_t count);
//! The longest start of a UTF-8 text that fits in maxBytes bytes without cutting a character: a
//! column of n bytes takes it whole.
std::string FirstBytes(std::string_view utf8, std::size_t maxBytes);
