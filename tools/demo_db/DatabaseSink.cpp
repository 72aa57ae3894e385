// Committing in batches keeps the engine's write-ahead log small without paying a commit per row.
#include "tools/demo_db/DatabaseSink.h"

#include <cstdio>

namespace {
constexpr long long kCommitEvery = 5000;
constexpr long long kProgressEvery = 100000;
} // namespace

void TDatabaseSink::Add(const TDemoTable& table, const std::vector<TDemoValue>& values) {
    auto& writer = writers_[table.name];
    if (!writer)
        writer = std::make_unique<TTableWriter>(session_, table);
    writer->Write(values);
    ++rows_[table.name];
    if (++total_ % kCommitEvery == 0)
        session_.Commit();
    if (showProgress_ && total_ % kProgressEvery == 0)
        std::fprintf(stderr, "%lld rows written\n", total_);
}

void TDatabaseSink::Finish() {
    session_.Commit();
}
