// The password of the command line, which every local user can read in the process list, may
// also come from elsewhere: "-" reads it from standard input, "@FILE" from the first line of a
// file only its owner may read, and without a password argument ZORVEKA_PASSWORD gives it. Once
// read, the argument's characters are overwritten in the process's argument memory.
#pragma once

#include <istream>
#include <string>
#include <vector>

//! The command line (program first) with the password in its place. Raises Exception for a file
//! others may read or that cannot be read.
std::vector<std::string> WithPassword(std::vector<std::string> commandLine, std::istream& input,
                                      const char* environment);
//! The password a password argument stands for: "-" and "@FILE" as above, anything else itself.
//! Raises Exception as WithPassword does.
std::string PasswordOf(const std::string& argument, std::istream& input);
//! The index in commandLine of its n-th positional argument (1 = the alias), 0 when there is none.
std::size_t PositionalIndex(const std::vector<std::string>& commandLine, std::size_t n);
//! Overwrites the password argument in argv with '*', so the process list no longer shows it.
void HidePassword(int argc, char** argv);
