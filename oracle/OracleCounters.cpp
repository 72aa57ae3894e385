// Atomic, because a session of another thread may count at the same time as the reader.
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
