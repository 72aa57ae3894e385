// A lock is one byte of the lock file at an offset derived from the table's upper-case name; two
// names that meet on one byte only lock each other too.
#include "platform/oci_sqlite/TableLocks.h"

#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqlText.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace ocisqlite {

namespace {

constexpr uint32_t kWriterOffset = LockWaits::kFirstOwnOffset - 1;

uint32_t OffsetOf(const std::string& upperName) {
    uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : upperName)
        hash = (hash ^ c) * 16777619u;
    return hash % kWriterOffset;
}

} // namespace

TableLocks::~TableLocks() {
    if (fd_ >= 0)
        ::close(fd_); // releases every lock of this session
}

void TableLocks::Open() {
    if (fd_ >= 0)
        return;
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        throw ora::WriteFailed(path_, "cannot open the lock file");
    waits_.emplace(fd_);
}

bool TableLocks::TryLock(uint32_t offset) {
    if (LockByte(fd_, offset, F_WRLCK))
        return true;
    if (errno != EAGAIN && errno != EACCES)
        throw ora::WriteFailed(path_, std::strerror(errno));
    return false;
}

void TableLocks::Take(uint32_t offset, int waitMs) {
    Open();
    if (!TryLock(offset)) {
        if (!waits_->StartWaiting(offset))
            throw ora::DeadlockDetected();
        try {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
            while (!TryLock(offset)) {
                if (std::chrono::steady_clock::now() >= deadline)
                    throw ora::ResourceBusy();
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        } catch (...) {
            waits_->StopWaiting();
            throw;
        }
        waits_->StopWaiting();
    }
    waits_->Held(offset);
}

void TableLocks::Acquire(const std::string& table, int waitMs) {
    const std::string name = UpperCase(table);
    if (held_.count(name))
        return;
    Take(OffsetOf(name), waitMs);
    held_.insert(name);
}

void TableLocks::ReleaseAll() {
    std::vector<uint32_t> offsets;
    for (const std::string& name : held_) {
        offsets.push_back(OffsetOf(name));
        LockByte(fd_, offsets.back(), F_UNLCK);
    }
    held_.clear();
    if (waits_)
        waits_->Released(offsets);
}

void TableLocks::AcquireWriter(int waitMs) {
    if (writer_)
        return;
    Take(kWriterOffset, waitMs);
    writer_ = true;
}

void TableLocks::ReleaseWriter() {
    if (!writer_)
        return;
    LockByte(fd_, kWriterOffset, F_UNLCK);
    writer_ = false;
    waits_->Released({kWriterOffset});
}

} // namespace ocisqlite
