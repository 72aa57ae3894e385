// A unit separator keeps ("AB", "C") and ("A", "BC") apart.
#include "app/LookupCache.h"

std::string TLookupCache::Key(std::initializer_list<std::string> parts) {
    std::string key;
    for (const std::string& part : parts)
        key += part + '\x1f';
    return key;
}

void TLookupCache::Start() {
    FValues.clear();
    FTables.clear();
    FOn = true;
}

void TLookupCache::Stop() {
    FValues.clear();
    FTables.clear();
    FOn = false;
}
