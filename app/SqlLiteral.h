// Values the clean-up passes splice into their statement texts between quotes: a quote inside a value
// is doubled, so a value read from the database can never end the literal and change the statement.
#pragma once

#include <string>

//! The text with every "'" doubled, ready to stand between quotes in a statement.
std::string DoubleQuotes(const std::string& text);
