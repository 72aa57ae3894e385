// A record held as one string: a tag byte per value and its bytes, a tenth of the room of its
// values, for records a reader reaches only later.
#pragma once

#include "platform/dataset/Variant.h"

#include <string>
#include <string_view>

//! The record's values packed; UnpackRecord gives them back equal, kinds and unassigned marks too.
std::string PackRecord(const TRecordBuffer& record);
TRecordBuffer UnpackRecord(std::string_view packed);
