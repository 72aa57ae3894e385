#include "app/LockConflicts.h"

#include "platform/ui/UserInterface.h"

#include <chrono>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kResourceBusy = 54;
constexpr int kDeadlock = 60;
constexpr int kTableMissing = 942;
constexpr int kNoPrivilege = 1031;
constexpr int kWaitTimedOut = 30006;

// The pause differs by process, so that waiting runs do not keep meeting at the same moment.
void Pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(50 + getpid() % 50));
}

} // namespace

bool IsLockConflict(const EOracleError& error) {
    const int code = error.ErrorCode();
    return code == kResourceBusy || code == kDeadlock || code == kWaitTimedOut;
}

bool IsOutOfReach(const EOracleError& error) {
    return error.ErrorCode() == kTableMissing || error.ErrorCode() == kNoPrivilege;
}

void WaitingOnLocks(TRunContext& context, const std::string& waitingFor, const std::function<void()>& step,
                    const std::function<void()>& checkBefore) {
    for (bool shown = false;; shown = true) {
        try {
            step();
            return;
        } catch (const EOracleError& error) {
            if (!IsLockConflict(error))
                throw;
        }
        context.DM.OracleSession1.Rollback();
        if (checkBefore)
            checkBefore();
        // Said once: a scheduler's log gets one line per wait, not one per attempt.
        if (!shown)
            context.Labels->ShowSporocilo("Čakanje na " + waitingFor + " ...");
        Ui().ProcessMessages();
        if (RunCancelRequested(context))
            throw ERunCancelled();
        Pause();
    }
}
