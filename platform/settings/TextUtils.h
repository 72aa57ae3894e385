// Small text helpers shared by the layers: upper case for identifiers and keys (ASCII letters only,
// so UTF-8 text passes through untouched) and trimming of a chosen set of blank characters.
#pragma once

#include <string>
#include <string_view>

std::string UpperCase(std::string text);
std::string Trim(std::string_view text, std::string_view blanks = " \t\r\n");
std::string TrimRight(std::string_view text, std::string_view blanks = " \t\r\n");
