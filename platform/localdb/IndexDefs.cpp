// The index definition list and the splitting of field lists.
#include "platform/localdb/IndexDefs.h"

#include <cassert>

void TIndexDefs::Add(std::string name, std::string fields) {
    FItems.push_back({std::move(name), std::move(fields)});
}

const TIndexDef& TIndexDefs::operator[](int index) const {
    assert(index >= 0 && index < Count());
    return FItems[static_cast<size_t>(index)];
}

std::vector<std::string> SplitFieldNames(const std::string& fields) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= fields.size()) {
        size_t end = fields.find(';', start);
        if (end == std::string::npos)
            end = fields.size();
        std::string name = fields.substr(start, end - start);
        const size_t first = name.find_first_not_of(' ');
        if (first != std::string::npos)
            names.push_back(name.substr(first, name.find_last_not_of(' ') - first + 1));
        start = end + 1;
    }
    return names;
}
