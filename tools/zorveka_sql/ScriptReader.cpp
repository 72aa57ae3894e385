// Statement boundaries of a script, read line by line so that standard input runs interactively.
#include "ScriptReader.h"

#include <sstream>

namespace {

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string UpperWords(const std::string& text, int count) {
    std::istringstream words(text);
    std::string word, result;
    for (int i = 0; i < count && words >> word; ++i)
        result += (i ? " " : "") + word;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

bool IsPlsqlUnit(const std::string& text) {
    const std::string first = UpperWords(text, 1);
    if (first == "BEGIN" || first == "DECLARE")
        return true;
    return UpperWords(text, 2) == "CREATE PROCEDURE" || UpperWords(text, 4) == "CREATE OR REPLACE PROCEDURE";
}

bool TScriptReader::Next(std::string& statement) {
    statement.clear();
    std::string line;
    while (std::getline(FInput, line)) {
        const std::string trimmed = Trim(line);
        if (statement.empty() && (trimmed.empty() || trimmed.rfind("--", 0) == 0))
            continue; // blank lines and comments between statements
        if (trimmed == "/") {
            if (!statement.empty())
                return true;
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        statement += (statement.empty() ? "" : "\n") + line;
        if (!IsPlsqlUnit(statement) && !trimmed.empty() && trimmed.back() == ';') {
            statement = Trim(statement);
            statement.pop_back();
            return true;
        }
    }
    return !Trim(statement).empty();
}
