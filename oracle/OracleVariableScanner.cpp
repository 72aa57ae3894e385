// Finding the ":name" places of a statement text. Quoted strings, both comment forms and the
// assignment operator ":=" start no variable; double-quoted identifiers get no special treatment.
#include "oracle/Oracle.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>

namespace {

enum class TScanState { Normal, Name, Quote, BlockComment, LineComment };

bool IsNameCharacter(unsigned char c) {
    return c == '#' || c == '$' || c == '_' || std::isalnum(c) || c > 127;
}

} // namespace

std::vector<std::pair<std::string, int>> TOracleQuery::FindVariables(const std::string& sql, bool unique) {
    const std::string text = sql + "\r\n"; // ends every name and line comment
    std::vector<std::pair<std::string, int>> found;
    TScanState state = TScanState::Normal;
    std::string name;
    int colon = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        switch (state) {
        case TScanState::Normal:
            if (c == ':') {
                state = TScanState::Name;
                name.clear();
                colon = static_cast<int>(i) + 1;
            } else if (c == '\'') {
                state = TScanState::Quote;
            } else if (c == '/' && next == '*') {
                state = TScanState::BlockComment;
                ++i;
            } else if (c == '-' && next == '-') {
                state = TScanState::LineComment;
                ++i;
            }
            break;
        case TScanState::Name:
            if (IsNameCharacter(static_cast<unsigned char>(c))) {
                name += c;
                break;
            }
            // The character that ends a name is consumed with it.
            state = TScanState::Normal;
            if (name.empty())
                break;
            name = UpperCase(name);
            if (!unique ||
                std::none_of(found.begin(), found.end(), [&](const auto& f) { return f.first == name; }))
                found.emplace_back(name, colon);
            break;
        case TScanState::Quote:
            if (c == '\'')
                state = TScanState::Normal;
            break;
        case TScanState::BlockComment:
            if (c == '*' && next == '/') {
                state = TScanState::Normal;
                ++i;
            }
            break;
        case TScanState::LineComment:
            // A lone line feed ends the comment too: a text set in one piece has no carriage returns.
            if (c == '\n')
                state = TScanState::Normal;
            break;
        }
    }
    return found;
}

const std::vector<std::pair<std::string, int>>& TOracleQuery::TVariableScan::Of(const std::string& text,
                                                                                bool unique) {
    if (text != Text || unique != Unique) {
        Places = FindVariables(text, unique);
        Text = text;
        Unique = unique;
    }
    return Places;
}

std::string TOracleQuery::PreparedText() const {
    std::string text;
    for (size_t i = 0; i < SQL.size(); ++i)
        text += (i ? "\r\n" : "") + SQL[i];
    const std::vector<std::pair<std::string, int>>& places = FWrittenScan.Of(text, false);
    for (auto place = places.rbegin(); place != places.rend(); ++place) {
        const int index = FVariables.IndexOf(place->first);
        if (index < 0 || FVariables[index].Type != otType::otSubst)
            continue;
        const TVariant value = LoadVariableValue(FVariables[index], TConversionRules{false, true});
        const std::string replacement = value.IsNull() ? std::string() : value.Text();
        text.replace(static_cast<size_t>(place->second - 1), place->first.size() + 1, replacement);
    }
    text = RemoveCarriageReturns(text);
    return text.empty() ? " " : text;
}
