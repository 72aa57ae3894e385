// The process-wide round-trip counter. Atomic: sessions of several threads may count at once.
#include "platform/oci_sqlite/RoundTrips.h"

#include "platform/oci_sqlite/OciApi.h"

#include <atomic>

namespace {

std::atomic<unsigned long long> roundTrips{0};

} // namespace

namespace ocisqlite {

void CountRoundTrip() {
    ++roundTrips;
}

} // namespace ocisqlite

extern "C" unsigned long long ocisqlite_round_trips(void) {
    return roundTrips.load();
}
