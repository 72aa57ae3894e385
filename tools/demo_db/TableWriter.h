// Writes the rows of one table through a single prepared INSERT: prepared once, each row's values
// bound by column name and executed. The caller commits; the statement is freed with the writer.
#pragma once

#include "tools/demo_db/DemoRows.h"
#include "tools/demo_db/EngineSession.h"

#include <array>
#include <vector>

class TTableWriter {
public:
    TTableWriter(TEngineSession& session, const TDemoTable& table);
    ~TTableWriter();
    TTableWriter(const TTableWriter&) = delete;
    TTableWriter& operator=(const TTableWriter&) = delete;

    void Write(const std::vector<TDemoValue>& values);

private:
    // The buffer one column's value is bound from; it lives until the next row.
    struct TSlot {
        std::int64_t integer = 0;
        double real = 0;
        std::string text;
        std::array<ub1, 7> date{};
        sb2 indicator = 0;
        std::string name; // ":COLUMN"
        OCIBind* bind = nullptr;
    };
    void Bind(TSlot& slot, const TDemoValue& value);

    TEngineSession& session_;
    OCIStmt* statement_ = nullptr;
    std::vector<TSlot> slots_;
};
