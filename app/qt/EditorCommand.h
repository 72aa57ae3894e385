// The command that opens a text file in the user's editor: $VISUAL, else $EDITOR inside a terminal,
// else the desktop's opener for the file's type. Pure, so the choice is testable without starting
// anything; the launcher (EditorLauncher.h) runs what it returns.
#pragma once

#include <functional>
#include <string>
#include <vector>

//! Reads an environment variable; "" when unset.
using TEnvironment = std::function<std::string(const std::string& name)>;

//! The program and its arguments. An editor variable may carry options of its own ("emacs -nw"),
//! so it runs through "sh -c"; the file name travels as a separate argument and is never parsed
//! by the shell.
std::vector<std::string> EditorCommand(const std::string& fileName, const TEnvironment& environment);

//! The process environment.
std::string ProcessEnvironment(const std::string& name);
