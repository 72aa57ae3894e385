// Layout of the lock file: locks of callers at offsets below kFirstOwnOffset, the records' guard at
// kFirstOwnOffset and the slots after it. These are locks only; the records are data at the start of
// the file, apart from any lock, since byte-range locks do not keep anyone from reading or writing.
#include "platform/oci_sqlite/LockWaits.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <set>
#include <thread>
#include <unistd.h>

namespace ocisqlite {

namespace {

constexpr int kSlots = 1024;
constexpr off_t kGuardOffset = LockWaits::kFirstOwnOffset;
constexpr off_t kFirstSlotOffset = kGuardOffset + 1;

struct flock ByteLock(short type, off_t offset) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = 1;
    return lock;
}

} // namespace

bool LockByte(int fd, int64_t offset, short type) {
    struct flock lock = ByteLock(type, offset);
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// The records change and are read under one exclusive lock, so each waiter sees every wait recorded
// before its own. It is held for a few system calls; one that stays taken (a stopped process) makes
// the session leave the graph rather than wait without end.
class LockWaits::Guard {
public:
    explicit Guard(int fd) : fd_(fd) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (!(held_ = LockByte(fd_, kGuardOffset, F_WRLCK)) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ~Guard() {
        if (held_)
            LockByte(fd_, kGuardOffset, F_UNLCK);
    }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
    explicit operator bool() const { return held_; }

private:
    int fd_;
    bool held_ = false;
};

bool LockWaits::ClaimSlot() {
    if (slot_ != -1)
        return slot_ >= 0;
    const Guard guard(fd_);
    if (!guard)
        return false;
    slot_ = -2;
    for (int slot = 0; slot < kSlots && slot_ < 0; ++slot)
        if (LockByte(fd_, kFirstSlotOffset + slot, F_WRLCK))
            slot_ = slot;
    if (slot_ >= 0)
        Write(); // over whatever a dead session left there
    return slot_ >= 0;
}

// A record that cannot be kept true would mislead the others; the session leaves the graph, and its
// waits simply run out.
void LockWaits::Leave() {
    LockByte(fd_, kFirstSlotOffset + slot_, F_UNLCK);
    slot_ = -2;
}

void LockWaits::Write() {
    const off_t at = static_cast<off_t>(slot_) * static_cast<off_t>(sizeof(Record));
    if (pwrite(fd_, &mine_, sizeof mine_, at) != static_cast<ssize_t>(sizeof mine_))
        Leave();
}

bool LockWaits::Alive(int slot) const {
    struct flock lock = ByteLock(F_WRLCK, kFirstSlotOffset + slot);
    return fcntl(fd_, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

// Only a waiting session's holdings matter to another's check (a cycle runs through waiters only),
// so they are kept here and written out when the session starts to wait.
void LockWaits::Held(uint32_t lock) {
    if (mine_.count < kHeldPerRecord)
        mine_.held[mine_.count++] = lock + 1;
}

void LockWaits::Released(const std::vector<uint32_t>& locks) {
    uint32_t* end = std::remove_if(mine_.held, mine_.held + mine_.count, [&](uint32_t held) {
        return std::find(locks.begin(), locks.end(), held - 1) != locks.end();
    });
    mine_.count = static_cast<uint32_t>(end - mine_.held);
}

bool LockWaits::StartWaiting(uint32_t lock) {
    if (!ClaimSlot())
        return true;
    const Guard guard(fd_);
    if (!guard) {
        Leave();
        return true;
    }
    if (WaitingCloses(lock))
        return false;
    mine_.waitsFor = lock + 1;
    Write();
    return true;
}

void LockWaits::StopWaiting() {
    if (slot_ < 0 || mine_.waitsFor == 0)
        return;
    mine_.waitsFor = 0;
    const Guard guard(fd_);
    if (!guard)
        return Leave();
    Write();
}

// Follows lock -> its holder -> the lock that one waits for ... through the live sessions' records.
bool LockWaits::WaitingCloses(uint32_t lock) const {
    std::vector<Record> records(kSlots);
    const ssize_t got = pread(fd_, records.data(), records.size() * sizeof(Record), 0);
    const int known = got > 0 ? static_cast<int>(static_cast<size_t>(got) / sizeof(Record)) : 0;
    records[slot_] = mine_;
    std::set<uint32_t> seen;
    std::vector<uint32_t> pending{lock + 1};
    while (!pending.empty()) {
        const uint32_t wanted = pending.back();
        pending.pop_back();
        if (!seen.insert(wanted).second)
            continue;
        for (int slot = 0; slot < std::max(known, slot_ + 1); ++slot) {
            const Record& record = records[slot];
            const uint32_t* end = record.held + std::min<uint32_t>(record.count, kHeldPerRecord);
            if (std::find(record.held, end, wanted) == end)
                continue;
            if (slot == slot_)
                return true;
            if (record.waitsFor != 0 && Alive(slot))
                pending.push_back(record.waitsFor);
        }
    }
    return false;
}

} // namespace ocisqlite
