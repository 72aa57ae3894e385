// The day is read in its fixed day.month.year form whatever the locale, because a scheduler
// writes it; an impossible date is a usage error, not a day without data.
#include "RunArguments.h"

#include "BatchArguments.h"

#include "app/Startup.h"
#include "platform/localdb/export/DataSetExport.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>

const char kRunUsage[] =
    "Uporaba: zorveka-run alias user password [usercode] [OCIDLL=...] --day DD.MM.YYYY "
    "--risk 0|1|2 [--stats] "
    "[--report FILE.csv|FILE.html] [--export FILE.csv|.xlsx|.dbf|.db|.txt] [--compare DD.MM.YYYY]\n"
    "       zorveka-run alias user password [usercode] [OCIDLL=...] --days DD.MM.YYYY..DD.MM.YYYY|"
    "DD.MM.YYYY,... --risk 0,1,2 [--stop-on-error] [--summary FILE.csv [--resume]]\n"
    "       zorveka-run alias user password [OCIDLL=...] --journal [--days N] [--export FILE.csv|.xlsx|...]\n"
    "       zorveka-run alias user password [OCIDLL=...] --check --day DD.MM.YYYY [--risk 0|1|2]";

namespace {

const std::vector<std::string> kOptionsWithValue = {"--day",  "--risk",    "--report", "--export",
                                                    "--days", "--compare", "--summary"};

// A suffix the export does not know is a typo to tell before the run, not after it.
std::string ExportFileOf(const std::string& fileName) {
    try {
        ExportFormatOfFile(fileName);
    } catch (const Exception& error) {
        throw EUsageError(error.what());
    }
    return fileName;
}

} // namespace

TDateTime ParseDay(const std::string& option, const std::string& text) {
    std::smatch parts;
    static const std::regex form(R"((\d\d)\.(\d\d)\.(\d\d\d\d))");
    if (!std::regex_match(text, parts, form))
        throw EUsageError(option + " zahteva datum DD.MM.YYYY: " + text);
    const int day = std::stoi(parts[1]), month = std::stoi(parts[2]), year = std::stoi(parts[3]);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        throw EUsageError(option + " ni veljaven datum: " + text);
    return EncodeDate(year, month, day);
}

int ParseRiskType(const std::string& text) {
    if (text != "0" && text != "1" && text != "2")
        throw EUsageError("--risk je lahko 0, 1 ali 2: " + text);
    return text[0] - '0';
}

namespace {

int ParseDays(const std::string& text) {
    static const std::regex form(R"(\d{1,5})");
    if (!std::regex_match(text, form) || std::stoi(text) < 1)
        throw EUsageError("--days zahteva število dni od 1 naprej: " + text);
    return std::stoi(text);
}

// NAME=value with a plain name: a setting, of the layer or a mistyped one; only a password may
// look like that and still be meant as it is.
bool LooksLikeSetting(const std::string& argument) {
    const size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    for (size_t i = 0; i < equals; ++i)
        if (!std::isalpha(static_cast<unsigned char>(argument[i])) && argument[i] != '_')
            return false;
    return true;
}

bool IsLayerSetting(const std::string& argument) {
    const std::string name = UpperCase(argument.substr(0, argument.find('=')));
    return LooksLikeSetting(argument) && (name == "OCIDLL" || name == "ORACLEHOME" || name == "USERID");
}

// A typo (OCIDL=) would otherwise become the user code, and of two values the layer takes one unseen.
void RequireKnownSettingsOnce(const std::vector<std::string>& commandLine,
                              const std::vector<std::string>& positional) {
    std::set<std::string> seen;
    for (std::size_t i = 1; i < commandLine.size(); ++i)
        if (IsLayerSetting(commandLine[i]) &&
            !seen.insert(UpperCase(commandLine[i].substr(0, commandLine[i].find('=')))).second)
            throw EUsageError("Nastavitev je podana dvakrat: " + commandLine[i]);
    for (std::size_t i = 0; i < positional.size(); ++i)
        if (i != 2 && LooksLikeSetting(positional[i]))
            throw EUsageError("Neznana nastavitev " + positional[i]);
}

} // namespace

TRunArguments ParseRunArguments(const std::vector<std::string>& commandLine) {
    TRunArguments arguments;
    std::set<std::string> given;
    std::string days;
    for (std::size_t i = 1; i < commandLine.size(); ++i) {
        const std::string& argument = commandLine[i];
        if (argument == "--stats" || argument == "--journal" || argument == "--check") {
            (argument == "--stats"   ? arguments.Stats
             : argument == "--check" ? arguments.Check
                                     : arguments.Journal) = true;
        } else if (argument == "--stop-on-error" || argument == "--resume") {
            (argument == "--resume" ? arguments.Resume : arguments.StopOnError) = true;
            given.insert(argument);
        } else if (std::find(kOptionsWithValue.begin(), kOptionsWithValue.end(), argument) !=
                   kOptionsWithValue.end()) {
            if (i + 1 >= commandLine.size())
                throw EUsageError(argument + " zahteva vrednost");
            if (!given.insert(argument).second)
                throw EUsageError(argument + " je podan dvakrat");
            const std::string& value = commandLine[++i];
            if (argument == "--day")
                arguments.Day = ParseDay(argument, value);
            else if (argument == "--risk")
                arguments.RiskTypes = ParseRiskList(value);
            else if (argument == "--report")
                arguments.Report = value;
            else if (argument == "--export")
                arguments.Export = ExportFileOf(value);
            else if (argument == "--days")
                days = value;
            else if (argument == "--summary")
                arguments.Summary = value;
            else
                arguments.CompareDay = ParseDay(argument, value);
        } else if (argument.rfind("--", 0) == 0) {
            throw EUsageError("Neznana možnost " + argument);
        }
    }
    arguments.Compare = given.count("--compare") != 0;
    if (arguments.Check) {
        if (arguments.Journal || !given.count("--day") || arguments.RiskTypes.size() > 1 ||
            given.size() != given.count("--day") + given.count("--risk"))
            throw EUsageError("--check zahteva --day in sprejme le še --risk");
    } else if (arguments.Journal) {
        if (given.size() != given.count("--days") + given.count("--export"))
            throw EUsageError("--journal sprejme le --days in --export");
        if (given.count("--days"))
            arguments.JournalDays = ParseDays(days);
    } else {
        if (given.count("--day") + given.count("--days") == 0 || !given.count("--risk"))
            throw EUsageError("--day in --risk sta obvezna");
        CheckBatchArguments(arguments, given, days);
        if (arguments.Compare && (given.count("--report") || given.count("--export")))
            throw EUsageError("--compare ne izvede prenosa, o katerem bi poročal");
    }
    arguments.Positional = PositionalArguments(commandLine, kOptionsWithValue);
    RequireKnownSettingsOnce(commandLine, arguments.Positional);
    if (arguments.Positional.size() < 3 || arguments.Positional.size() > 4)
        throw EUsageError("vzdevek, uporabnik in geslo so obvezni, sledi jim lahko šifra uporabnika");
    return arguments;
}
