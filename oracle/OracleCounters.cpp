// The layer's two counters. Atomic, because a session of another thread may count while the batch
// runner reads them; they only ever grow.
#include "oracle/OracleCounters.h"

#include <atomic>

namespace {

std::atomic<long long> statements{0};
std::atomic<long long> commits{0};

} // namespace

TOracleCounters OracleCounters() {
    return {statements.load(), commits.load()};
}

void CountOracleStatement(bool commitsOnSuccess) {
    ++statements;
    if (commitsOnSuccess)
        ++commits;
}

void CountOracleCommit() {
    ++commits;
}
