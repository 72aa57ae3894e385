// The column is found by the select list's own description: a text longer than its bytes, or a
// number with more integer digits than precision minus scale leave. The server's message does not
// always say which column it refused (ORA-01438 does not).
#include "app/RejectedValue.h"

#include "oracle/Oracle.h"

#include <cmath>

namespace {

// Texts are bound as C strings, which end at the first NUL: the column would store the value cut.
bool HoldsNul(const std::string& text) {
    return text.find('\0') != std::string::npos;
}

bool ExceedsColumn(const TField& field, const TOracleQuery& query, int column) {
    if (field.IsNull())
        return false;
    const TFieldType type = field.DataType();
    if (IsTextType(type))
        return HoldsNul(field.AsString()) ||
               (query.ColumnSize(column) > 0 &&
                field.AsString().size() > static_cast<size_t>(query.ColumnSize(column)));
    const int precision = query.ColumnPrecision(column);
    if (!IsNumericType(type) || precision <= 0)
        return false;
    const int scale = query.ColumnScale(column) == -127 ? 0 : query.ColumnScale(column);
    const double limit = std::pow(10.0, precision - scale);
    const double rounded = std::round(field.AsFloat() * std::pow(10.0, scale)) / std::pow(10.0, scale);
    return !(std::fabs(rounded) < limit);
}

std::string OneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// A NUL would end the message wherever it is shown; it is written out where it stands.
std::string Visible(const std::string& text) {
    std::string visible;
    for (const char c : text)
        visible += c == '\0' ? std::string("\\0") : std::string(1, c);
    return visible;
}

const char kNulInText[] = "znak NUL v besedilu";

} // namespace

void RefuseNul(const std::vector<TVariant>& values) {
    for (const TVariant& value : values)
        if (value.Kind() == TVarKind::Text && HoldsNul(value.Text()))
            throw Exception(kNulInText);
}

std::string RejectedColumnValue(TOracleDataSet& dataSet) {
    const TOracleQuery& query = dataSet.MainQuery();
    for (const TOracleFieldInfo& info : dataSet.FieldInfos()) {
        const TField& field = dataSet.FieldByName(info.FieldName);
        if (ExceedsColumn(field, query, info.Column))
            return info.ColumnName + " = " + Visible(field.AsString());
    }
    return {};
}

void RaiseRejected(const std::exception& error, TOracleDataSet& dataSet, const std::string& table,
                   const TPositionRef& position) {
    const std::string column = RejectedColumnValue(dataSet);
    const std::string message = "Pozicija " + std::to_string(position.Seq) + ", konto " +
                                Visible(position.Account) + ", pogodba " + Visible(position.Contract) + ": " +
                                table + (column.empty() ? "" : "." + column) + ": " + OneLine(error.what());
    if (const auto* oracle = dynamic_cast<const EOracleError*>(&error))
        throw EOracleError(message, oracle->ErrorCode(), oracle->Component(), oracle->Session());
    throw Exception(message);
}
