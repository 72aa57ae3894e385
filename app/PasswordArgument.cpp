// Where the password comes from, and hiding it from the process list.
#include "app/PasswordArgument.h"

#include "app/Startup.h"
#include "platform/settings/Exceptions.h"

#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace {

constexpr std::size_t PasswordPosition = 3;

std::string FirstLine(std::istream& input) {
    std::string line;
    std::getline(input, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::string PasswordFromFile(const std::string& file) {
    struct stat status {};
    if (stat(file.c_str(), &status) != 0)
        throw Exception("Datoteke z geslom " + file + " ni mogoče prebrati.");
    if (status.st_mode & (S_IRWXG | S_IRWXO))
        throw Exception("Datoteko z geslom " + file +
                        " lahko berejo tudi drugi; dovolite jo le lastniku (chmod 600).");
    std::ifstream input(file);
    if (!input)
        throw Exception("Datoteke z geslom " + file + " ni mogoče prebrati.");
    return FirstLine(input);
}

} // namespace

std::size_t PositionalIndex(const std::vector<std::string>& commandLine, std::size_t n) {
    // Counted as the start-up counts positional arguments, so both agree on which one it is.
    for (std::size_t i = 1; i < commandLine.size(); ++i)
        if (PositionalArguments({commandLine.begin(), commandLine.begin() + static_cast<long>(i) + 1})
                .size() == n)
            return i;
    return 0;
}

std::vector<std::string> WithPassword(std::vector<std::string> commandLine, std::istream& input,
                                      const char* environment) {
    const std::size_t at = PositionalIndex(commandLine, PasswordPosition);
    if (at == 0) {
        const std::size_t user = PositionalIndex(commandLine, PasswordPosition - 1);
        if (environment && user != 0)
            commandLine.insert(commandLine.begin() + static_cast<long>(user) + 1, environment);
        return commandLine;
    }
    commandLine[at] = PasswordOf(commandLine[at], input);
    return commandLine;
}

std::string PasswordOf(const std::string& argument, std::istream& input) {
    if (argument == "-")
        return FirstLine(input);
    if (argument.size() > 1 && argument[0] == '@')
        return PasswordFromFile(argument.substr(1));
    return argument;
}

void HidePassword(int argc, char** argv) {
    const std::size_t at = PositionalIndex(std::vector<std::string>(argv, argv + argc), PasswordPosition);
    if (at != 0)
        std::memset(argv[at], '*', std::strlen(argv[at]));
}
