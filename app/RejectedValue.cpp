// The column is found by the select list's own description: a text longer than its bytes, or a
// number with more integer digits than precision minus scale leave. The server's message does not
// always say which column it refused (ORA-01438 does not).
#include "app/RejectedValue.h"

#include "oracle/Oracle.h"

#include <cmath>

namespace {

bool ExceedsColumn(const TField& field, const TOracleQuery& query, int column) {
    if (field.IsNull())
        return false;
    const TFieldType type = field.DataType();
    if (IsTextType(type))
        return query.ColumnSize(column) > 0 &&
               field.AsString().size() > static_cast<size_t>(query.ColumnSize(column));
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

} // namespace

std::string RejectedColumnValue(TOracleDataSet& dataSet) {
    const TOracleQuery& query = dataSet.MainQuery();
    for (const TOracleFieldInfo& info : dataSet.FieldInfos()) {
        const TField& field = dataSet.FieldByName(info.FieldName);
        if (ExceedsColumn(field, query, info.Column))
            return info.ColumnName + " = " + field.AsString();
    }
    return {};
}

void RaiseRejected(const std::exception& error, TOracleDataSet& dataSet, const std::string& table,
                   const TPositionRef& position) {
    const std::string column = RejectedColumnValue(dataSet);
    const std::string message = "Pozicija " + std::to_string(position.Seq) + ", konto " + position.Account +
                                ", pogodba " + position.Contract + ": " + table +
                                (column.empty() ? "" : "." + column) + ": " + OneLine(error.what());
    if (const auto* oracle = dynamic_cast<const EOracleError*>(&error))
        throw EOracleError(message, oracle->ErrorCode(), oracle->Component(), oracle->Session());
    throw Exception(message);
}
