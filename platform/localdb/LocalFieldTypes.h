// How a field definition is declared as a column of a local table and read back from the
// declaration, and how a stored value returns to the native kind of its field's type.
#pragma once

#include "platform/dataset/FieldDefs.h"
#include "platform/dataset/Variant.h"

#include <string>

//! The column declaration of a definition: "VARCHAR(30)", "INTEGER", "DATE", ...
std::string ColumnDeclaration(const TFieldDef& def);
//! The definition of a column named name declared as declaration; unknown types read as memo.
TFieldDef FieldDefOfColumn(const std::string& name, const std::string& declaration);
//! A stored value in the kind a field of type holds (dates are stored as day numbers).
TVariant NativeValue(TFieldType type, const TVariant& stored);
