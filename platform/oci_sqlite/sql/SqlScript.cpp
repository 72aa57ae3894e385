// Script splitting by lines. Whether a statement is a PL/SQL unit is decided from its first words,
// because inside a unit ";" ends every inner statement and only "/" ends the unit.
#include "platform/oci_sqlite/sql/SqlScript.h"

#include "platform/oci_sqlite/sql/Tokenizer.h"

namespace orasql {
namespace {

std::string_view Trimmed(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// A ";" at a line end ends the statement unless it lies inside a string literal or the statement is
// a PL/SQL unit (CREATE [OR REPLACE] PROCEDURE / FUNCTION / TRIGGER, BEGIN, DECLARE).
bool EndsAtSemicolon(const std::string& statement) {
    std::vector<Token> tokens;
    try {
        tokens = Tokenize(statement);
    } catch (const std::exception&) {
        return false; // an unfinished string literal or quoted name: more lines are to come
    }
    size_t i = 0;
    if (tokens[i].IsWord("BEGIN") || tokens[i].IsWord("DECLARE"))
        return false;
    if (!tokens[i].IsWord("CREATE"))
        return true;
    ++i;
    if (tokens[i].IsWord("OR") && tokens[i + 1].IsWord("REPLACE"))
        i += 2;
    return !tokens[i].IsWord("PROCEDURE") && !tokens[i].IsWord("FUNCTION") && !tokens[i].IsWord("TRIGGER");
}

} // namespace

std::vector<std::string> SplitScript(std::string_view script) {
    std::vector<std::string> statements;
    std::string current;
    size_t pos = 0;
    while (pos <= script.size()) {
        size_t end = script.find('\n', pos);
        if (end == std::string_view::npos)
            end = script.size();
        const std::string_view line = script.substr(pos, end - pos);
        pos = end + 1;
        const std::string_view trimmed = Trimmed(line);
        if (current.empty() && (trimmed.empty() || trimmed.substr(0, 2) == "--"))
            continue;
        if (trimmed == "/") {
            if (!Trimmed(current).empty())
                statements.push_back(current);
            current.clear();
            continue;
        }
        current.append(line).append("\n");
        if (!trimmed.empty() && trimmed.back() == ';' && EndsAtSemicolon(current)) {
            current.erase(current.find_last_of(';'));
            statements.push_back(current);
            current.clear();
        }
    }
    if (!Trimmed(current).empty())
        statements.push_back(current);
    return statements;
}

} // namespace orasql
