// Values keep their own kind: whole numbers as integers, amounts as floats (the column's scale
// rounds them, as on Oracle), texts as strings and days as dates, so the INSERT carries no
// conversion of its own and runs on Oracle as well.
#include "tools/demo_db/TableWriter.h"

#include "oracle/OracleTypes.h"

#include <type_traits>

namespace {

std::string InsertStatement(const TDemoTable& table) {
    std::string columns, values;
    for (const std::string& column : table.columns) {
        columns += (columns.empty() ? "" : ", ") + column;
        values += (values.empty() ? ":" : ", :") + column;
    }
    return "INSERT INTO " + table.name + " (" + columns + ") VALUES (" + values + ")";
}

// The variable type a value needs, 0 for NULL; and the value as the layer takes it.
std::pair<int, TVariant> LayerValue(const TDemoValue& value) {
    return std::visit(
        [](const auto& v) -> std::pair<int, TVariant> {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return {0, TVariant()};
            else if constexpr (std::is_same_v<T, std::int64_t>)
                return {otType::otInteger, TVariant::FromInteger(v)};
            else if constexpr (std::is_same_v<T, double>)
                return {otType::otFloat, TVariant::FromFloat(v)};
            else if constexpr (std::is_same_v<T, std::string>)
                return {otType::otString, TVariant::FromText(v)};
            else
                return {otType::otDate, TVariant::FromDateTime(v.value)};
        },
        value);
}

} // namespace

TTableWriter::TTableWriter(TOracleSession& session, const TDemoTable& table)
    : table_(table), query_("Insert" + table.name), types_(table.columns.size(), 0) {
    query_.SetSession(&session);
    query_.SetSQLText(InsertStatement(table));
    for (size_t i = 0; i < types_.size(); ++i)
        Declare(i, otType::otString);
}

void TTableWriter::Declare(size_t column, int type) {
    if (types_[column] == type)
        return;
    if (types_[column] != 0)
        query_.RemoveVariable(table_.columns[column]);
    query_.AddVariable(table_.columns[column], type);
    types_[column] = type;
}

void TTableWriter::Write(const std::vector<TDemoValue>& values) {
    for (size_t i = 0; i < values.size(); ++i) {
        auto [type, value] = LayerValue(values[i]);
        if (type != 0)
            Declare(i, type);
        query_.AssignVariable(table_.columns[i], value);
    }
    query_.Execute();
}
