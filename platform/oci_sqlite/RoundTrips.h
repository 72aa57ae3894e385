// The round trips an Oracle client would make for the calls the engine answers, counted for the
// whole process and read through ocisqlite_round_trips(). A call counts when it would reach the
// server: attach and detach, session begin and end, password change, server version, every execute
// (a describe too), a fetch the prefetched rows cannot serve, commit and rollback.
#pragma once

namespace ocisqlite {

void CountRoundTrip();

} // namespace ocisqlite
