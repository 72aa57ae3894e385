// The order in which the program lists texts for a person: Slovenian, so that Č, Š and Ž follow
// C, S and Z instead of coming after every other letter.
#pragma once

#include <QCollator>
#include <string>

//! The Slovenian collator; caseSensitive false ignores the letter case.
QCollator SlovenianCollator(bool caseSensitive);
//! Whether a comes before b, letter case ignored.
bool SlovenianLess(const std::string& a, const std::string& b);
