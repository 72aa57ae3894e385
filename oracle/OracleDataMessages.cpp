// Texts derived from statements and server messages: the table a dataset writes to, read from its
// SELECT, and the message shown when the server refuses a change.
#include "oracle/OracleData.h"

namespace {

bool IsNameCharacter(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c == '#' || c == '.' || c > 127;
}

} // namespace

std::string UpdatingTableFromSQL(const std::string& sql) {
    std::string text = " ";
    for (unsigned char c : sql)
        text += IsNameCharacter(c) || c == '(' || c == ')' ? static_cast<char>(std::toupper(c)) : ' ';
    size_t from = 0;
    while (true) {
        const size_t spaced = text.find(" FROM ", from);
        const size_t bracket = text.find(" FROM(", from);
        const size_t at = std::min(spaced, bracket);
        if (at == std::string::npos)
            return {};
        size_t i = at + 5;
        while (i < text.size() && text[i] == ' ')
            ++i;
        if (i < text.size() && text[i] == '(') {
            from = i; // a sub-query: its own FROM names the table
            continue;
        }
        size_t end = i;
        while (end < text.size() && IsNameCharacter(static_cast<unsigned char>(text[end])))
            ++end;
        std::string name = text.substr(i, end - i);
        if (name == "TABLE" || name == "THE") {
            const size_t open = text.find('(', end);
            const size_t close = open == std::string::npos ? open : text.find(')', open);
            if (close != std::string::npos)
                name += text.substr(open, close - open + 1);
        }
        return name;
    }
}

std::string TranslateOracleMessage(const std::string& message, int code, std::string& constraintName) {
    std::string text = message;
    if (code >= 20000 && code <= 20999) {
        size_t cut = text.find("ORA-06512");
        if (cut != std::string::npos) {
            while (cut > 0 && (text[cut - 1] == '\n' || text[cut - 1] == '\r'))
                --cut;
            text.resize(cut);
        }
    }
    constraintName.clear();
    if (code == 1 || code == 2290 || code == 2291 || code == 2292) {
        for (size_t open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
            const size_t close = text.find(')', open);
            if (close == std::string::npos)
                break;
            const std::string inside = text.substr(open + 1, close - open - 1);
            const size_t dot = inside.find('.');
            if (dot != std::string::npos) {
                constraintName = inside.substr(dot + 1);
                break;
            }
        }
    }
    return text;
}
