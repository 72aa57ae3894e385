// Each value is its kind (with the unassigned mark in the high bit), then a varint for integers,
// 8 raw bytes for floats and date-times, or a length and the bytes for text and blobs.
#include "platform/dataset/RecordPacking.h"

#include <cassert>
#include <cstring>

namespace {

constexpr unsigned char kUnassignedMark = 0x80;

template <typename T> void PutRaw(std::string& out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

template <typename T> T TakeRaw(std::string_view& in) {
    assert(in.size() >= sizeof(T));
    T value;
    std::memcpy(&value, in.data(), sizeof(T));
    in.remove_prefix(sizeof(T));
    return value;
}

// Lengths and integers take 7 bits a byte, small ones one byte; integers zigzagged first.
void PutVarint(std::string& out, std::uint64_t value) {
    for (; value >= 0x80; value >>= 7)
        out.push_back(static_cast<char>((value & 0x7f) | 0x80));
    out.push_back(static_cast<char>(value));
}

std::uint64_t TakeVarint(std::string_view& in) {
    std::uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
        assert(!in.empty());
        const auto byte = static_cast<unsigned char>(in.front());
        in.remove_prefix(1);
        value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return value;
    }
}

void PutBytes(std::string& out, const void* data, std::size_t size) {
    PutVarint(out, size);
    out.append(static_cast<const char*>(data), size);
}

std::string_view TakeBytes(std::string_view& in) {
    const std::uint64_t size = TakeVarint(in);
    assert(in.size() >= size);
    const std::string_view bytes = in.substr(0, size);
    in.remove_prefix(size);
    return bytes;
}

void PutValue(std::string& out, const TVariant& value) {
    const TVarKind kind = value.Kind();
    out.push_back(
        static_cast<char>(static_cast<unsigned char>(kind) | (value.IsUnassigned() ? kUnassignedMark : 0)));
    switch (kind) {
    case TVarKind::Null:
        break;
    case TVarKind::Integer: {
        const auto bits = static_cast<std::uint64_t>(value.Integer());
        PutVarint(out, (bits << 1) ^ (value.Integer() < 0 ? ~std::uint64_t{0} : 0));
        break;
    }
    case TVarKind::Float:
        PutRaw(out, value.Float());
        break;
    case TVarKind::DateTime:
        PutRaw(out, value.DateTime());
        break;
    case TVarKind::Text:
        PutBytes(out, value.Text().data(), value.Text().size());
        break;
    case TVarKind::Bytes:
        PutBytes(out, value.Bytes().data(), value.Bytes().size());
        break;
    }
}

TVariant TakeValue(std::string_view& in) {
    const auto tag = static_cast<unsigned char>(TakeRaw<char>(in));
    if (tag & kUnassignedMark)
        return TVariant::Unassigned();
    switch (static_cast<TVarKind>(tag)) {
    case TVarKind::Null:
        return TVariant();
    case TVarKind::Integer: {
        const std::uint64_t zigzag = TakeVarint(in);
        return TVariant::FromInteger(static_cast<std::int64_t>((zigzag >> 1) ^ (~(zigzag & 1) + 1)));
    }
    case TVarKind::Float:
        return TVariant::FromFloat(TakeRaw<double>(in));
    case TVarKind::DateTime:
        return TVariant::FromDateTime(TakeRaw<TDateTime>(in));
    case TVarKind::Text:
        return TVariant::FromText(std::string(TakeBytes(in)));
    case TVarKind::Bytes: {
        const std::string_view bytes = TakeBytes(in);
        return TVariant::FromBytes(TBytes(bytes.begin(), bytes.end()));
    }
    }
    assert(false);
    return TVariant();
}

} // namespace

std::string PackRecord(const TRecordBuffer& record) {
    std::string packed;
    PutVarint(packed, record.size());
    for (const TVariant& value : record)
        PutValue(packed, value);
    packed.shrink_to_fit();
    return packed;
}

TRecordBuffer UnpackRecord(std::string_view packed) {
    TRecordBuffer record(TakeVarint(packed));
    for (TVariant& value : record)
        value = TakeValue(packed);
    return record;
}
