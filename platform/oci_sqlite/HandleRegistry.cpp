// The process-wide set of live handles. Clients may call from several threads, each on its own
// handles, so the set is guarded; a lookup is a hash probe, small beside any statement.
#include "platform/oci_sqlite/Handles.h"

#include <mutex>
#include <unordered_map>

namespace ocisqlite {

// Never destroyed: a client may free its handles from its own static destructors at exit.
namespace {
std::mutex& RegistryMutex() {
    static auto* mutex = new std::mutex;
    return *mutex;
}
std::unordered_map<const void*, ub4>& Registry() {
    static auto* handles = new std::unordered_map<const void*, ub4>;
    return *handles;
}
} // namespace

HandleHeader::HandleHeader(ub4 kind) : type(kind) {
    std::lock_guard lock(RegistryMutex());
    Registry()[this] = kind;
}

HandleHeader::~HandleHeader() {
    std::lock_guard lock(RegistryMutex());
    Registry().erase(this);
}

bool IsLiveHandle(const void* pointer, ub4 type) {
    if (!pointer)
        return false;
    std::lock_guard lock(RegistryMutex());
    const auto found = Registry().find(pointer);
    return found != Registry().end() && found->second == type;
}

} // namespace ocisqlite
