// The day is read in its fixed day.month.year form whatever the locale, because a scheduler
// writes it; an impossible date is a usage error, not a day without data.
#include "RunArguments.h"

#include "app/Startup.h"

#include <regex>

const char kRunUsage[] =
    "Usage: zorveka-run alias user password [usercode] [OCIDLL=...] --day DD.MM.YYYY --risk 0|1|2 [--stats]";

namespace {

const std::vector<std::string> kOptionsWithValue = {"--day", "--risk"};

TDateTime ParseDay(const std::string& text) {
    std::smatch parts;
    static const std::regex form(R"((\d\d)\.(\d\d)\.(\d\d\d\d))");
    if (!std::regex_match(text, parts, form))
        throw EUsageError("--day needs a date DD.MM.YYYY: " + text);
    const int day = std::stoi(parts[1]), month = std::stoi(parts[2]), year = std::stoi(parts[3]);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        throw EUsageError("--day is no valid date: " + text);
    return EncodeDate(year, month, day);
}

int ParseRiskType(const std::string& text) {
    if (text != "0" && text != "1" && text != "2")
        throw EUsageError("--risk must be 0, 1 or 2: " + text);
    return text[0] - '0';
}

} // namespace

TRunArguments ParseRunArguments(const std::vector<std::string>& commandLine) {
    TRunArguments arguments;
    bool hasDay = false, hasRisk = false;
    for (std::size_t i = 1; i < commandLine.size(); ++i) {
        const std::string& argument = commandLine[i];
        if (argument == "--stats") {
            arguments.Stats = true;
        } else if (argument == "--day" || argument == "--risk") {
            if (i + 1 >= commandLine.size())
                throw EUsageError(argument + " needs a value");
            const std::string& value = commandLine[++i];
            if (argument == "--day") {
                arguments.Day = ParseDay(value);
                hasDay = true;
            } else {
                arguments.RiskType = ParseRiskType(value);
                hasRisk = true;
            }
        } else if (argument.rfind("--", 0) == 0) {
            throw EUsageError("Unknown option " + argument);
        }
    }
    if (!hasDay || !hasRisk)
        throw EUsageError("--day and --risk are required");
    arguments.Positional = PositionalArguments(commandLine, kOptionsWithValue);
    if (arguments.Positional.size() < 3 || arguments.Positional.size() > 4)
        throw EUsageError("alias, user and password are required, a user code may follow");
    return arguments;
}
