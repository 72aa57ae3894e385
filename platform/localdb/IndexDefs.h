// The index definitions of a local table: a name and the indexed fields as "A;B". The table creates
// them with itself and reads them back from the database (Update).
#pragma once

#include <string>
#include <vector>

struct TIndexDef {
    std::string Name;
    std::string Fields; //!< field names joined with ";"
};

class TIndexDefs {
public:
    void Add(std::string name, std::string fields);
    void Clear() { FItems.clear(); }
    int Count() const { return static_cast<int>(FItems.size()); }
    const TIndexDef& operator[](int index) const;

private:
    std::vector<TIndexDef> FItems;
};

//! The names of a field list, split at ";", empty pieces dropped, blanks around names trimmed.
std::vector<std::string> SplitFieldNames(const std::string& fields);
