// Reading the command line. The day is read in the fixed day.month.year form whatever the locale,
// as every date on this program's command lines is.
#include "tools/demo_db/DemoArguments.h"

#include "platform/settings/Exceptions.h"

#include <cstdio>
#include <string_view>

namespace {

TDateTime ParseDay(const std::string& text) {
    int day = 0, month = 0, year = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%2d.%2d.%4d%c", &day, &month, &year, &tail) != 3 ||
        year < 2008 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        throw Exception("Ni dan poročanja od leta 2008 naprej v obliki DD.MM.YYYY: " + text);
    return EncodeDate(year, month, day);
}

int ParsePositions(const std::string& text) {
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value < 1 || value > kMaxDemoPositions)
        throw Exception("--positions sprejme število od 1 do 200000: " + text);
    return value;
}

} // namespace

const char* DemoUsage() {
    return "uporaba: zorveka-demo-db FILE [--positions N] [--day DD.MM.YYYY] [--user U --password P] "
           "[--force]\n"
           "       zorveka-demo-db FILE --unlock USER   (the file's owner unlocks a locked user)";
}

TDemoArguments ParseDemoArguments(int argc, const char* const* argv, TDateTime today) {
    TDemoArguments arguments;
    arguments.day = today;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw Exception(std::string(option) + " zahteva vrednost");
            return argv[++i];
        };
        if (option == "--positions")
            arguments.positions = ParsePositions(value());
        else if (option == "--day")
            arguments.day = ParseDay(value());
        else if (option == "--user")
            arguments.user = value();
        else if (option == "--password")
            arguments.password = value();
        else if (option == "--force")
            arguments.force = true;
        else if (option == "--unlock")
            arguments.unlock = value();
        else if (option.starts_with("--") || !arguments.file.empty())
            throw Exception("Neznan argument " + std::string(option));
        else
            arguments.file = option;
    }
    if (arguments.file.empty())
        throw Exception("Datoteka baze ni podana");
    return arguments;
}
