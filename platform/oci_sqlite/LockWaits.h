// Who waits for which lock of a database's lock file, and what the waiters hold, kept in that file,
// so that a session of any process can tell that waiting would close a cycle (a deadlock). A waiting
// session owns a slot: a locked byte, which dies with the session, and a record of the locks it holds
// and the one it waits for. Records change only under one lock of the file, so a cycle is seen by
// whichever waiter closes it, and by that one only.
#pragma once

#include <cstdint>
#include <vector>

namespace ocisqlite {

// Sets an open-file-description lock of one byte (F_WRLCK, F_UNLCK) without waiting; false with
// errno set when another holds it.
bool LockByte(int fd, int64_t offset, short type);

class LockWaits {
public:
    // fd: the lock file, open for reading and writing, owned by the caller. Locks are byte offsets of
    // that file below kFirstOwnOffset.
    explicit LockWaits(int fd) : fd_(fd) {}
    static constexpr uint32_t kFirstOwnOffset = 0x40000000;

    void Held(uint32_t lock);
    void Released(const std::vector<uint32_t>& locks);
    // Records the wait, with what this session holds, unless the holder of `lock`, or whom that one
    // waits for, and so on, is this session: then false, and nothing is recorded.
    bool StartWaiting(uint32_t lock);
    void StopWaiting(); // after the wait, whether it got the lock or not

private:
    // A session holding more locks than a record has room for keeps the rest unrecorded; a cycle
    // through those ends as a wait that runs out.
    static constexpr int kHeldPerRecord = 62;
    struct Record {
        uint32_t waitsFor = 0; // lock + 1, 0 when not waiting
        uint32_t count = 0;
        uint32_t held[kHeldPerRecord] = {}; // lock + 1
    };
    class Guard;
    bool ClaimSlot();
    void Leave();
    void Write();
    bool Alive(int slot) const;
    bool WaitingCloses(uint32_t lock) const;

    int fd_;
    int slot_ = -1; // -1 before a slot is claimed, -2 when every slot is taken
    Record mine_;
};

} // namespace ocisqlite
