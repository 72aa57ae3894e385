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

namespace ocisqlite {

namespace {

off_t OffsetOf(const std::string& upperName) {
    uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : upperName)
        hash = (hash ^ c) * 16777619u;
    return static_cast<off_t>(hash & 0x3fffffff);
}

bool Lock(int fd, off_t offset, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = 1;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
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
}

void TableLocks::Acquire(const std::string& table, int waitMs) {
    const std::string name = UpperCase(table);
    if (held_.count(name))
        return;
    Open();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (!Lock(fd_, OffsetOf(name), F_WRLCK)) {
        if (errno != EAGAIN && errno != EACCES)
            throw ora::WriteFailed(path_, std::strerror(errno));
        if (std::chrono::steady_clock::now() >= deadline)
            throw ora::ResourceBusy();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    held_.insert(name);
}

void TableLocks::ReleaseAll() {
    for (const std::string& name : held_)
        Lock(fd_, OffsetOf(name), F_UNLCK);
    held_.clear();
}

} // namespace ocisqlite
