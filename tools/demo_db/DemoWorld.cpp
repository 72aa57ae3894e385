// The shared generation state: rows go straight to the sink, checked against the table's columns.
#include "tools/demo_db/DemoWorld.h"

#include <cassert>

namespace {
// Any fixed value serves; it only has to stay the same from release to release.
constexpr std::uint64_t kDemoSeed = 0x5A0B1E7A2007ULL;
} // namespace

TDemoWorld::TDemoWorld(const TDemoOptions& options, TDemoSink& sink)
    : options(options), random(kDemoSeed), sink_(sink) {}

void TDemoWorld::Emit(const std::string& table, std::vector<TDemoValue> values) {
    const TDemoTable& definition = DemoTable(table);
    assert(values.size() == definition.columns.size());
    sink_.Add(definition, values);
}

TDateTime TDemoWorld::YearStart() const {
    int year = 0, month = 0, day = 0;
    DecodeDate(options.day, year, month, day);
    return EncodeDate(year, 1, 1);
}
