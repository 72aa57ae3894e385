#include "platform/oci_sqlite/StatementProgress.h"

#include <atomic>
#include <chrono>

namespace ocisqlite {

namespace {

// A clock read every so many virtual machine steps costs nothing beside the steps themselves.
constexpr int kStepsPerCheck = 20000;

struct Progress {
    std::atomic<ProgressCallback> callback{nullptr};
    std::atomic<void*> context{nullptr};
    std::atomic<long long> intervalNs{0};
    std::atomic<long long> lastNs{0};
};

Progress& Current() {
    static Progress progress;
    return progress;
}

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int OnSteps(void*) {
    Progress& progress = Current();
    const ProgressCallback callback = progress.callback.load();
    if (!callback)
        return 0;
    const long long now = NowNs();
    if (now - progress.lastNs.load() < progress.intervalNs.load())
        return 0;
    progress.lastNs = now;
    return callback(progress.context.load());
}

} // namespace

void SetStatementProgress(ProgressCallback callback, void* context, unsigned intervalMs) {
    Progress& progress = Current();
    progress.callback = nullptr;
    progress.context = context;
    progress.intervalNs = static_cast<long long>(intervalMs) * 1000000;
    progress.lastNs = NowNs();
    progress.callback = callback;
}

void WatchStatementProgress(sqlite3* db) {
    sqlite3_progress_handler(db, kStepsPerCheck, OnSteps, nullptr);
}

} // namespace ocisqlite
