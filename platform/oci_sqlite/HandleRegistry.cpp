// The process-wide set of live handles. Clients may call from several threads, each on its own
// handles, so the set is guarded; a check holds the lock for one probe of a flat table.
#include "platform/oci_sqlite/Handles.h"

#include <atomic>
#include <mutex>
#include <thread>

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

// Open addressing with linear probing: registering a handle allocates nothing, and a probe mostly
// reads one slot.
class HandleTable {
public:
    void Insert(const void* pointer, ub4 type) {
        if (2 * (count_ + 1) > size_)
            Grow();
        size_t i = Home(pointer);
        while (slots_[i].pointer && slots_[i].pointer != pointer)
            i = Next(i);
        count_ += slots_[i].pointer ? 0 : 1;
        slots_[i] = {pointer, type};
    }

    // Later entries of the probe run move up into the gap, so every entry stays reachable from home.
    void Erase(const void* pointer) {
        if (!size_)
            return;
        size_t gap = Home(pointer);
        while (slots_[gap].pointer != pointer) {
            if (!slots_[gap].pointer)
                return;
            gap = Next(gap);
        }
        --count_;
        for (size_t i = Next(gap); slots_[i].pointer; i = Next(i)) {
            const size_t home = Home(slots_[i].pointer);
            const bool homeInGapToI = gap < i ? home > gap && home <= i : home > gap || home <= i;
            if (!homeInGapToI) {
                slots_[gap] = slots_[i];
                gap = i;
            }
        }
        slots_[gap] = {};
    }

    bool Holds(const void* pointer, ub4 type) const {
        if (!size_)
            return false;
        for (size_t i = Home(pointer); slots_[i].pointer; i = Next(i))
            if (slots_[i].pointer == pointer)
                return slots_[i].type == type;
        return false;
    }

private:
    struct Slot {
        const void* pointer = nullptr;
        ub4 type = 0;
    };

    size_t Home(const void* pointer) const {
        const uint64_t address = reinterpret_cast<uintptr_t>(pointer);
        return static_cast<size_t>((address >> 4) * 0x9E3779B97F4A7C15ull >> 32) & (size_ - 1);
    }
    size_t Next(size_t i) const { return (i + 1) & (size_ - 1); }

    void Grow() {
        const Slot* old = slots_;
        const size_t oldSize = size_;
        size_ = size_ ? 2 * size_ : 512; // a power of two
        slots_ = new Slot[size_]();
        count_ = 0;
        for (size_t i = 0; i < oldSize; ++i)
            if (old[i].pointer)
                Insert(old[i].pointer, old[i].type);
        delete[] old;
    }

    Slot* slots_ = nullptr; // never freed, like the table itself
    size_t size_ = 0;
    size_t count_ = 0;
};

// Constant-initialised: usable before and after every static object's life.
constinit SpinLock registryLock;
constinit HandleTable registry;

} // namespace

HandleHeader::HandleHeader(ub4 kind) : type(kind) {
    std::lock_guard lock(registryLock);
    registry.Insert(this, kind);
}

HandleHeader::~HandleHeader() {
    std::lock_guard lock(registryLock);
    registry.Erase(this);
}

bool IsLiveHandle(const void* pointer, ub4 type) {
    if (!pointer)
        return false;
    std::lock_guard lock(registryLock);
    return registry.Holds(pointer, type);
}

} // namespace ocisqlite
