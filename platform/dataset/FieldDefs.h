// The field definitions a dataset builds its fields from: name, type, size, required. A record
// source fills them while opening; an in-memory dataset gets them from its owner before Open.
#pragma once

#include "platform/dataset/FieldType.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

//! The definition of one field.
struct TFieldDef {
    std::string Name;      //!< field name, unique within the dataset (case-insensitive)
    TFieldType DataType;   //!< data type
    int Size = 0;          //!< bytes of a text type; 0 = unlimited
    bool Required = false; //!< Post refuses the record while this field is NULL
    //! A longer text is cut to Size bytes; when false it is kept whole, and Size is only the width to
    //! show, for a source that measures its texts itself (a database column refuses what it cannot hold).
    bool CutToSize = true;
};

//! The ordered list of field definitions; a definition's position becomes the field number.
class TFieldDefs {
public:
    //! Appends a definition; the name must not be in use yet (asserted).
    void Add(std::string name, TFieldType dataType, int size = 0, bool required = false,
             bool cutToSize = true);
    //! Removes every definition.
    void Clear();
    //! Number of definitions.
    int Count() const { return static_cast<int>(FItems.size()); }
    //! The definition at a position, 0 <= index < Count().
    const TFieldDef& operator[](int index) const;
    //! Position of the definition of that name (case-insensitive), or -1.
    int IndexOf(std::string_view name) const;

private:
    struct TNameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct TSameName {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::vector<TFieldDef> FItems;
    // Fields are looked up by name for every value a run reads or writes.
    std::unordered_map<std::string, int, TNameHash, TSameName> FIndexByName;
};
