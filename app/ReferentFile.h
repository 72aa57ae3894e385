// The referent file zorveka.ini in the program directory: section "REFERENT" maps a user code to
// the referent code written into the results. The program only reads it; the user edits it.
#pragma once

#include <string>
#include <vector>

//! The referent file of a program directory: appDir + the lower-case program name + ".ini".
std::string ReferentFileName(const std::string& appDir, const std::string& programName);
//! The referent of a user code; the code itself when the file, the key or the code is missing.
std::string BeriDBSReferenta(const std::string& referentFile, const std::string& user);
//! The fourth positional argument, empty with fewer than four.
std::string FourthArgument(const std::vector<std::string>& arguments);
