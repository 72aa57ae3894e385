// The build gives this one file the project's version.
#include "platform/ui/ProgramVersion.h"

#include <cstdio>
#include <string_view>

const char* const ProgramVersion = ZORVEKA_VERSION;

namespace {

bool Given(int argc, char** argv, std::string_view option) {
    for (int i = 1; i < argc; ++i)
        if (argv[i] == option)
            return true;
    return false;
}

} // namespace

bool PrintedVersion(int argc, char** argv, const char* program) {
    if (!Given(argc, argv, "--version"))
        return false;
    std::printf("%s %s\n", program, ProgramVersion);
    return true;
}

bool PrintedHelp(int argc, char** argv, const char* help) {
    if (!Given(argc, argv, "--help"))
        return false;
    std::fputs(help, stdout);
    return true;
}
