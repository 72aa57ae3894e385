// Values are bound in their own external type: whole numbers as 8-byte SQLT_INT, amounts as
// SQLT_FLT (the column's scale rounds them, as on Oracle), texts as SQLT_STR and days in Oracle's
// 7-byte SQLT_DAT form, so the INSERT carries no conversion of its own and runs on Oracle as well.
#include "tools/demo_db/TableWriter.h"

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

std::array<ub1, 7> OracleDay(TDateTime day) {
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    return {static_cast<ub1>(year / 100 + 100),
            static_cast<ub1>(year % 100 + 100),
            static_cast<ub1>(month),
            static_cast<ub1>(dayOfMonth),
            1,
            1,
            1};
}

} // namespace

TTableWriter::TTableWriter(TEngineSession& session, const TDemoTable& table)
    : session_(session), statement_(session.Prepare(InsertStatement(table))), slots_(table.columns.size()) {
    for (size_t i = 0; i < slots_.size(); ++i)
        slots_[i].name = ":" + table.columns[i];
}

TTableWriter::~TTableWriter() {
    session_.FreeStatement(statement_);
}

void TTableWriter::Bind(TSlot& slot, const TDemoValue& value) {
    void* buffer = nullptr;
    sb4 size = 0;
    ub2 type = SQLT_STR;
    slot.indicator = 0;
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                slot.indicator = -1;
                buffer = &slot.integer;
                size = sizeof slot.integer;
                type = SQLT_INT;
            } else if constexpr (std::is_same_v<T, std::int64_t>) {
                slot.integer = v;
                buffer = &slot.integer;
                size = sizeof slot.integer;
                type = SQLT_INT;
            } else if constexpr (std::is_same_v<T, double>) {
                slot.real = v;
                buffer = &slot.real;
                size = sizeof slot.real;
                type = SQLT_FLT;
            } else if constexpr (std::is_same_v<T, std::string>) {
                slot.text = v;
                buffer = slot.text.data();
                size = static_cast<sb4>(slot.text.size() + 1);
            } else {
                slot.date = OracleDay(v.value);
                buffer = slot.date.data();
                size = static_cast<sb4>(slot.date.size());
                type = SQLT_DAT;
            }
        },
        value);
    session_.Check(session_.oci.OCIBindByName(statement_, &slot.bind, session_.error,
                                              reinterpret_cast<const OraText*>(slot.name.c_str()),
                                              static_cast<sb4>(slot.name.size()), buffer, size, type,
                                              &slot.indicator, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
                   "bind " + slot.name);
}

void TTableWriter::Write(const std::vector<TDemoValue>& values) {
    for (size_t i = 0; i < slots_.size(); ++i)
        Bind(slots_[i], values[i]);
    session_.ExecutePrepared(statement_);
}
