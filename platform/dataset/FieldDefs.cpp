// The ordered list of field definitions and its case-insensitive name lookup. Names are ASCII
// identifiers, so folding the letters a-z is the whole of the case rule.
#include "platform/dataset/FieldDefs.h"

#include <algorithm>
#include <cassert>

namespace {

unsigned char Folded(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

} // namespace

std::size_t TFieldDefs::TNameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (unsigned char c : name)
        hash = (hash ^ Folded(c)) * 1099511628211ull;
    return hash;
}

bool TFieldDefs::TSameName::operator()(std::string_view a, std::string_view b) const {
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return Folded(x) == Folded(y); });
}

void TFieldDefs::Add(std::string name, TFieldType dataType, int size, bool required, bool cutToSize) {
    assert(IndexOf(name) < 0);
    assert(size >= 0);
    FIndexByName.emplace(name, Count());
    FItems.push_back(TFieldDef{std::move(name), dataType, size, required, cutToSize});
}

void TFieldDefs::Clear() {
    FItems.clear();
    FIndexByName.clear();
}

const TFieldDef& TFieldDefs::operator[](int index) const {
    assert(index >= 0 && index < Count());
    return FItems[static_cast<size_t>(index)];
}

int TFieldDefs::IndexOf(std::string_view name) const {
    const auto it = FIndexByName.find(name);
    return it == FIndexByName.end() ? -1 : it->second;
}
