// Runs of different risk types, or a run and the closing procedure of the one before, meet on the
// locks of the same tables: on the embedded engine every writer waits for the file's one writer
// lock. Such a meeting is a turn to wait for, never a failure of the run.
#pragma once

#include "app/RunContext.h"

#include <functional>

//! Whether error is a lock another session holds: ORA-00054, ORA-00060 or ORA-30006.
bool IsLockConflict(const EOracleError& error);

//! ORA-00942 or ORA-01031: a table the user cannot see or may not change.
bool IsOutOfReach(const EOracleError& error);

//! Runs step until no other session's lock stands in its way. After each lock conflict the session
//! rolls back, checkBefore may refuse the wait by raising, the progress says what the run waits for,
//! and step starts again; a cancel ends the wait with ERunCancelled.
void WaitingOnLocks(TRunContext& context, const std::string& waitingFor, const std::function<void()>& step,
                    const std::function<void()>& checkBefore = {});
