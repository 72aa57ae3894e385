// Text in Windows-1250, the Central-European code page the readers of dBase and Paradox files
// expect. Characters the code page lacks become "?".
#pragma once

#include <string>

std::string Utf8ToCp1250(const std::string& utf8);
std::string Cp1250ToUtf8(const std::string& cp1250);
