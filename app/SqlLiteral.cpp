// Quote doubling for spliced literals.
#include "app/SqlLiteral.h"

std::string DoubleQuotes(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        result += c;
        if (c == '\'')
            result += '\'';
    }
    return result;
}
