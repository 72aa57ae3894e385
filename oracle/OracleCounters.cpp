// The layer's two counters. Atomic, because a session of another thread may count while the batch
// runner reads them; they only ever grow.
#include "oracle/OracleCounters.h"

#include "oracle/OracleCI.h"

#include <atomic>

namespace {

std::atomic<long long> statements{0};
std::atomic<long long> commits{0};

} // namespace

TOracleCounters OracleCounters() {
    TOracleCounters counters{statements.load(), commits.load()};
    if (OracleClientLoaded() && Oci().RoundTrips)
        counters.RoundTrips = static_cast<long long>(Oci().RoundTrips());
    return counters;
}

void CountOracleStatement(bool commitsOnSuccess) {
    ++statements;
    if (commitsOnSuccess)
        ++commits;
}

void CountOracleCommit() {
    ++commits;
}
