// The process-wide set of live handles. Clients may call from several threads, each on its own
// handles, so the set is guarded. Every call checks several handles, so each thread keeps the ones
// it found live lately; any handle freed anywhere makes those memories stale.
#include "platform/oci_sqlite/Handles.h"

#include <array>
#include <atomic>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace ocisqlite {

// Never destroyed: a client may free its handles from its own static destructors at exit.
namespace {
// Held only for a hash probe, so a spin beats a sleeping lock.
class SpinLock {
public:
    void lock() {
        while (busy_.exchange(true, std::memory_order_acquire))
            while (busy_.load(std::memory_order_relaxed))
                std::this_thread::yield();
    }
    void unlock() { busy_.store(false, std::memory_order_release); }

private:
    std::atomic<bool> busy_{false};
};

SpinLock registryLock; // constant-initialised: usable before and after every static object's life
std::unordered_map<const void*, ub4>& Registry() {
    static auto* handles = new std::unordered_map<const void*, ub4>(256);
    return *handles;
}

// Counts the handles freed so far; a thread's remembered handles hold for one count only.
std::atomic<uint64_t> freedHandles{0};

struct LiveHandles {
    struct Entry {
        const void* pointer = nullptr;
        ub4 type = 0;
    };
    uint64_t freedAtFill = 0;
    std::array<Entry, 8> entries{};
    size_t next = 0;

    bool Contains(const void* pointer, ub4 type, uint64_t freed) {
        if (freed != freedAtFill) {
            entries = {};
            freedAtFill = freed;
            return false;
        }
        for (const Entry& e : entries)
            if (e.pointer == pointer && e.type == type)
                return true;
        return false;
    }
    void Add(const void* pointer, ub4 type) {
        entries[next] = {pointer, type};
        next = (next + 1) % entries.size();
    }
};

thread_local LiveHandles recentlyLive;
} // namespace

HandleHeader::HandleHeader(ub4 kind) : type(kind) {
    std::lock_guard lock(registryLock);
    Registry()[this] = kind;
}

HandleHeader::~HandleHeader() {
    std::lock_guard lock(registryLock);
    Registry().erase(this);
    freedHandles.fetch_add(1, std::memory_order_release);
}

bool IsLiveHandle(const void* pointer, ub4 type) {
    if (!pointer)
        return false;
    const uint64_t freed = freedHandles.load(std::memory_order_acquire);
    LiveHandles& recent = recentlyLive;
    if (recent.Contains(pointer, type, freed))
        return true;
    bool live;
    {
        std::lock_guard lock(registryLock);
        const auto found = Registry().find(pointer);
        live = found != Registry().end() && found->second == type;
    }
    if (live)
        recent.Add(pointer, type);
    return live;
}

} // namespace ocisqlite
