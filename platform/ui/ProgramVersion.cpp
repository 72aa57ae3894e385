// The build gives this one file the project's version.
#include "platform/ui/ProgramVersion.h"

#include <cstdio>
#include <string_view>

const char* const ProgramVersion = ZORVEKA_VERSION;

bool PrintedVersion(int argc, char** argv, const char* program) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("%s %s\n", program, ProgramVersion);
            return true;
        }
    }
    return false;
}
