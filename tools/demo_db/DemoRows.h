// One generated row: the table it belongs to and its values in the table's column order. The
// generator hands rows to a TDemoSink one by one, so 200,000 positions never sit in memory at once;
// the sink decides where they go (the database file, or a list in a test).
#pragma once

#include "platform/settings/DateTime.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// A calendar day; its own type so that a date never passes for a number.
struct TDemoDay {
    TDateTime value = 0;
    bool operator==(const TDemoDay&) const = default;
};

using TDemoValue = std::variant<std::monostate, std::int64_t, double, std::string, TDemoDay>;

struct TDemoTable {
    std::string name;
    std::vector<std::string> columns;
};

// The source tables the generator fills, with the columns it writes (those of schema/01_source_tables.sql).
const std::vector<TDemoTable>& DemoTables();
const TDemoTable& DemoTable(const std::string& name);

class TDemoSink {
public:
    virtual ~TDemoSink() = default;
    // values has one entry per column of table, in its order.
    virtual void Add(const TDemoTable& table, const std::vector<TDemoValue>& values) = 0;
};
