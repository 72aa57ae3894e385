#include "oracle/OracleProgress.h"

#include "oracle/OracleCI.h"

TStatementProgress::TStatementProgress(std::function<bool()> onProgress, unsigned intervalMs)
    : FOnProgress(std::move(onProgress)) {
    if (!OracleClientLoaded() || !Oci().SetProgress)
        return;
    Oci().SetProgress(&TStatementProgress::Call, this, intervalMs);
    FInstalled = true;
}

TStatementProgress::~TStatementProgress() {
    if (FInstalled)
        Oci().SetProgress(nullptr, nullptr, 0);
}

// Inside the client library's statement: nothing may leave it but the answer.
int TStatementProgress::Call(void* self) noexcept {
    try {
        return static_cast<TStatementProgress*>(self)->FOnProgress() ? 1 : 0;
    } catch (...) {
        return 1;
    }
}
