// The ordered list of field definitions and its case-insensitive name lookup.
#include "platform/dataset/FieldDefs.h"

#include <algorithm>
#include <cassert>
#include <cctype>

namespace {
bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}
} // namespace

void TFieldDefs::Add(std::string name, TFieldType dataType, int size, bool required, bool cutToSize) {
    assert(IndexOf(name) < 0);
    assert(size >= 0);
    FItems.push_back(TFieldDef{std::move(name), dataType, size, required, cutToSize});
}

void TFieldDefs::Clear() {
    FItems.clear();
}

const TFieldDef& TFieldDefs::operator[](int index) const {
    assert(index >= 0 && index < Count());
    return FItems[static_cast<size_t>(index)];
}

int TFieldDefs::IndexOf(std::string_view name) const {
    const auto it =
        std::ranges::find_if(FItems, [&](const TFieldDef& def) { return SameName(def.Name, name); });
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}
