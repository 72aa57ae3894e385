// Result rows as text for scripts: independent of the locale, so that output compares and parses.
#include "RowPrinter.h"

#include "platform/settings/DateTime.h"

#include <cmath>
#include <cstdio>

std::string ConsoleText(const TVariant& value) {
    char text[64];
    switch (value.Kind()) {
    case TVarKind::Null:
        return {};
    case TVarKind::Integer:
        return std::to_string(value.Integer());
    case TVarKind::Float:
        std::snprintf(text, sizeof text, "%.15g", value.Float());
        return text;
    case TVarKind::Text:
        return value.Text();
    case TVarKind::Bytes:
        return std::string(value.Bytes().begin(), value.Bytes().end());
    case TVarKind::DateTime: {
        int year, month, day, hour, minute, second, millisecond;
        DecodeDate(value.DateTime(), year, month, day);
        DecodeTime(value.DateTime(), hour, minute, second, millisecond);
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
        std::string result = text;
        if (hour != 0 || minute != 0 || second != 0) {
            std::snprintf(text, sizeof text, " %02d:%02d:%02d", hour, minute, second);
            result += text;
        }
        return result;
    }
    }
    return {};
}

std::string EscapedText(const std::string& text) {
    std::string out;
    for (const unsigned char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c < 0x20 || c == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

int PrintRows(TOracleQuery& query, std::ostream& out) {
    for (int i = 0; i < query.ColumnCount(); ++i)
        out << (i ? "\t" : "") << EscapedText(query.ColumnName(i));
    out << '\n';
    int rows = 0;
    for (; !query.Eof(); query.Next(), ++rows) {
        for (int i = 0; i < query.ColumnCount(); ++i)
            out << (i ? "\t" : "") << EscapedText(ConsoleText(query.ColumnValue(i)));
        out << '\n';
    }
    return rows;
}
