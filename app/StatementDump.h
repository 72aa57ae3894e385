// The statement dump files of the program directory: a large statement is saved before it runs,
// replacing the previous run's file, so the user can read what was sent.
#pragma once

#include <string>

//! Writes the text to the file, replacing it; raises Exception "Cannot write <file>" on failure.
void SaveStatementText(const std::string& fileName, const std::string& text);
