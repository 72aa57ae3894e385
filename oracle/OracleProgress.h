// A long statement need not freeze the window: while it runs, the client library calls back a few
// times a second (the embedded engine does; Oracle's client has no such call), and the answer can end
// the statement with ORA-01013.
#pragma once

#include <functional>

class TStatementProgress {
public:
    //! For the scope's length, onProgress runs at most every intervalMs while a statement runs; true
    //! ends that statement. Nothing happens with a client library that cannot call back.
    TStatementProgress(std::function<bool()> onProgress, unsigned intervalMs);
    ~TStatementProgress();
    TStatementProgress(const TStatementProgress&) = delete;
    TStatementProgress& operator=(const TStatementProgress&) = delete;

private:
    static int Call(void* self) noexcept;
    std::function<bool()> FOnProgress;
    bool FInstalled = false;
};
