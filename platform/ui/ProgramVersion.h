// The version every program shows, one value from the build: the project's.
#pragma once

extern const char* const ProgramVersion;

//! True when an argument after the program's name is "--version"; then "program version" has been
//! printed on standard output.
bool PrintedVersion(int argc, char** argv, const char* program);
//! True when an argument after the program's name is "--help"; then help has been printed on
//! standard output.
bool PrintedHelp(int argc, char** argv, const char* help);
