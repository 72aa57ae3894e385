// The aggregate callbacks over TDecimalSum.
#include "platform/localdb/DecimalAggregates.h"

#include "platform/settings/DecimalSum.h"

#include <limits>
#include <sqlite3.h>

namespace {

struct TAggregate {
    TDecimalSum Sum;
    bool Fractional = false; // a value that is no integer: the result is a float
    __int128 IntegerSum = 0;
};

// SQLite hands out zeroed memory per group; it holds the pointer to the state.
TAggregate* State(sqlite3_context* context, bool create) {
    auto** slot =
        static_cast<TAggregate**>(sqlite3_aggregate_context(context, create ? sizeof(TAggregate*) : 0));
    if (!slot)
        return nullptr;
    if (!*slot && create)
        *slot = new TAggregate();
    return *slot;
}

void Step(sqlite3_context* context, int, sqlite3_value** arguments) {
    const int type = sqlite3_value_numeric_type(arguments[0]);
    if (type == SQLITE_NULL)
        return;
    TAggregate* state = State(context, true);
    if (!state)
        return sqlite3_result_error_nomem(context);
    if (type == SQLITE_INTEGER) {
        const sqlite3_int64 value = sqlite3_value_int64(arguments[0]);
        state->IntegerSum += value;
        state->Sum.Add(static_cast<double>(value));
    } else {
        state->Fractional = true;
        state->Sum.Add(sqlite3_value_double(arguments[0]));
    }
}

void FinalSum(sqlite3_context* context) {
    TAggregate* state = State(context, false);
    if (!state)
        return sqlite3_result_null(context);
    constexpr __int128 Largest = std::numeric_limits<sqlite3_int64>::max();
    if (!state->Fractional && state->IntegerSum <= Largest && state->IntegerSum >= -Largest - 1)
        sqlite3_result_int64(context, static_cast<sqlite3_int64>(state->IntegerSum));
    else
        sqlite3_result_double(context, state->Sum.Value());
    delete state;
}

void FinalAverage(sqlite3_context* context) {
    TAggregate* state = State(context, false);
    if (!state)
        return sqlite3_result_null(context);
    sqlite3_result_double(context, state->Sum.Average());
    delete state;
}

} // namespace

void InstallDecimalAggregates(sqlite3* db) {
    // Functions of the application take precedence over SQLite's built-in ones of the same name.
    sqlite3_create_function_v2(db, "SUM", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, nullptr, Step,
                               FinalSum, nullptr);
    sqlite3_create_function_v2(db, "AVG", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, nullptr, Step,
                               FinalAverage, nullptr);
}
