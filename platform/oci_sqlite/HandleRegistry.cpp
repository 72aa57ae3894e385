// The process-wide set of live handles. Clients may call from several threads, each on its own
// handles. Every call checks its handles, so a check takes no lock: it reads the table under a
// sequence count and reads again when a registration or a free ran meanwhile. Changes are serialised
// by a lock.
#include "platform/oci_sqlite/Handles.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace ocisqlite {

// Never destroyed: a client may free its handles from its own static destructors at exit.
namespace {
// Held only while a slot or two change, so a spin beats a sleeping lock.
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
// reads one slot. Slots are atomics so that a check may read them while a change is written.
class HandleTable {
public:
    // The caller holds the lock.
    void Insert(const void* pointer, ub4 type) {
        Writing writing(version_);
        if (2 * (count_ + 1) > Size())
            Grow();
        Add(*array_.load(std::memory_order_relaxed), pointer, type);
    }

    // Later entries of the probe run move up into the gap, so every entry stays reachable from home.
    // The caller holds the lock.
    void Erase(const void* pointer) {
        Array* array = array_.load(std::memory_order_relaxed);
        if (!array)
            return;
        Writing writing(version_);
        size_t gap = array->Home(pointer);
        while (array->slots[gap].pointer.load(std::memory_order_relaxed) != pointer) {
            if (!array->slots[gap].pointer.load(std::memory_order_relaxed))
                return;
            gap = array->Next(gap);
        }
        --count_;
        for (size_t i = array->Next(gap);
             const void* entry = array->slots[i].pointer.load(std::memory_order_relaxed);
             i = array->Next(i)) {
            const size_t home = array->Home(entry);
            const bool homeInGapToI = gap < i ? home > gap && home <= i : home > gap || home <= i;
            if (!homeInGapToI) {
                array->Set(gap, entry, array->slots[i].type.load(std::memory_order_relaxed));
                gap = i;
            }
        }
        array->Set(gap, nullptr, 0);
    }

    // Lock-free; a probe that overlapped a change is repeated.
    bool Holds(const void* pointer, ub4 type) const {
        for (;;) {
            const unsigned before = version_.load(std::memory_order_acquire);
            if (before & 1) {
                std::this_thread::yield();
                continue;
            }
            const bool held = Probe(pointer, type);
            std::atomic_thread_fence(std::memory_order_acquire);
            if (version_.load(std::memory_order_relaxed) == before)
                return held;
        }
    }

private:
    struct Slot {
        std::atomic<const void*> pointer{nullptr};
        std::atomic<ub4> type{0};
    };

    // A table grown out of stays allocated, since a check may still be reading it; each array keeps
    // the one before it.
    struct Array {
        Array(size_t n, Array* before) : size(n), slots(new Slot[n]), previous(before) {}
        size_t Home(const void* pointer) const {
            const uint64_t address = reinterpret_cast<uintptr_t>(pointer);
            return static_cast<size_t>((address >> 4) * 0x9E3779B97F4A7C15ull >> 32) & (size - 1);
        }
        size_t Next(size_t i) const { return (i + 1) & (size - 1); }
        void Set(size_t i, const void* pointer, ub4 type) {
            slots[i].pointer.store(pointer, std::memory_order_relaxed);
            slots[i].type.store(type, std::memory_order_relaxed);
        }
        const size_t size; // a power of two
        const std::unique_ptr<Slot[]> slots;
        const std::unique_ptr<Array> previous;
    };

    // Odd while a change is being written.
    class Writing {
    public:
        explicit Writing(std::atomic<unsigned>& version) : version_(version) {
            version_.store(version_.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
            std::atomic_thread_fence(std::memory_order_release);
        }
        ~Writing() {
            version_.store(version_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
        }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

    private:
        std::atomic<unsigned>& version_;
    };

    size_t Size() const {
        const Array* array = array_.load(std::memory_order_relaxed);
        return array ? array->size : 0;
    }

    // A torn read may see no empty slot; the probe stops after one round all the same.
    bool Probe(const void* pointer, ub4 type) const {
        const Array* array = array_.load(std::memory_order_acquire);
        if (!array)
            return false;
        size_t i = array->Home(pointer);
        for (size_t probes = 0; probes < array->size; ++probes, i = array->Next(i)) {
            const void* entry = array->slots[i].pointer.load(std::memory_order_relaxed);
            if (!entry)
                return false;
            if (entry == pointer)
                return array->slots[i].type.load(std::memory_order_relaxed) == type;
        }
        return false;
    }

    void Add(Array& array, const void* pointer, ub4 type) {
        size_t i = array.Home(pointer);
        while (const void* entry = array.slots[i].pointer.load(std::memory_order_relaxed)) {
            if (entry == pointer)
                break;
            i = array.Next(i);
        }
        count_ += array.slots[i].pointer.load(std::memory_order_relaxed) ? 0 : 1;
        array.Set(i, pointer, type);
    }

    void Grow() {
        Array* old = array_.load(std::memory_order_relaxed);
        auto* grown = new Array(old ? 2 * old->size : 512, old);
        count_ = 0;
        for (size_t i = 0; old && i < old->size; ++i)
            if (const void* entry = old->slots[i].pointer.load(std::memory_order_relaxed))
                Add(*grown, entry, old->slots[i].type.load(std::memory_order_relaxed));
        array_.store(grown, std::memory_order_release);
    }

    std::atomic<Array*> array_{nullptr}; // never freed, like the table itself
    std::atomic<unsigned> version_{0};
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
    return pointer && registry.Holds(pointer, type);
}

} // namespace ocisqlite
