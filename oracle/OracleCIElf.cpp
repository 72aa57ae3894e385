// Reading a client library's ELF headers before the loader maps it: a truncated or damaged file is
// refused here, since the loader would map segments past the end of the file and the process would
// die of SIGBUS on first touch; and the libraries it needs, so they can be loaded from its folder.
#include "oracle/OracleCI.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <link.h>
#include <optional>

namespace {

class TElfReader {
public:
    explicit TElfReader(const std::string& path) : FFile(path, std::ios::binary | std::ios::ate) {
        FSize = FFile ? static_cast<std::uint64_t>(FFile.tellg()) : 0;
    }
    bool Opened() const { return static_cast<bool>(FFile); }
    std::uint64_t Size() const { return FSize; }
    bool Within(std::uint64_t offset, std::uint64_t length) const {
        return offset <= FSize && length <= FSize - offset;
    }
    template <typename T> bool Read(std::uint64_t offset, T& value) {
        return ReadBytes(offset, &value, sizeof value);
    }
    bool ReadBytes(std::uint64_t offset, void* target, std::uint64_t length) {
        if (!Within(offset, length))
            return false;
        FFile.clear();
        FFile.seekg(static_cast<std::streamoff>(offset));
        FFile.read(static_cast<char*>(target), static_cast<std::streamsize>(length));
        return static_cast<bool>(FFile);
    }

private:
    std::ifstream FFile;
    std::uint64_t FSize = 0;
};

bool HasElfIdentity(const ElfW(Ehdr) & header) {
    return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 &&
           header.e_ident[EI_CLASS] == (sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32);
}

// The file offset of a virtual address, through the loadable segment that holds it.
std::optional<std::uint64_t> FileOffset(const std::vector<ElfW(Phdr)>& segments, std::uint64_t address) {
    for (const ElfW(Phdr) & segment : segments) {
        if (segment.p_type == PT_LOAD && address >= segment.p_vaddr &&
            address - segment.p_vaddr < segment.p_filesz)
            return address - segment.p_vaddr + segment.p_offset;
    }
    return std::nullopt;
}

std::vector<std::string> NeededNames(TElfReader& reader, const std::vector<ElfW(Phdr)>& segments) {
    std::vector<std::string> names;
    for (const ElfW(Phdr) & segment : segments) {
        if (segment.p_type != PT_DYNAMIC)
            continue;
        std::vector<std::uint64_t> nameOffsets;
        std::uint64_t table = 0, tableSize = 0;
        for (std::uint64_t at = 0; at + sizeof(ElfW(Dyn)) <= segment.p_filesz; at += sizeof(ElfW(Dyn))) {
            ElfW(Dyn) entry{};
            if (!reader.Read(segment.p_offset + at, entry) || entry.d_tag == DT_NULL)
                break;
            if (entry.d_tag == DT_NEEDED)
                nameOffsets.push_back(entry.d_un.d_val);
            else if (entry.d_tag == DT_STRTAB)
                table = entry.d_un.d_ptr;
            else if (entry.d_tag == DT_STRSZ)
                tableSize = entry.d_un.d_val;
        }
        const std::optional<std::uint64_t> tableOffset = FileOffset(segments, table);
        if (!tableOffset || !reader.Within(*tableOffset, tableSize))
            return {};
        std::string strings(tableSize, '\0');
        reader.ReadBytes(*tableOffset, strings.data(), tableSize);
        for (std::uint64_t offset : nameOffsets) {
            if (offset < strings.size())
                names.emplace_back(strings.c_str() + offset);
        }
    }
    return names;
}

} // namespace

TElfImage ReadElfImage(const std::string& path) {
    TElfImage image;
    TElfReader reader(path);
    ElfW(Ehdr) header{};
    if (!reader.Opened()) {
        image.Problem = "cannot be read";
        return image;
    }
    if (!reader.Read(0, header) || !HasElfIdentity(header)) {
        image.Problem = "is not a shared library of this platform";
        return image;
    }
    if (header.e_phentsize != sizeof(ElfW(Phdr)) ||
        !reader.Within(header.e_phoff, std::uint64_t{header.e_phnum} * sizeof(ElfW(Phdr)))) {
        image.Problem = "is truncated or damaged (program headers)";
        return image;
    }
    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    for (size_t i = 0; i < segments.size(); ++i) {
        reader.Read(header.e_phoff + i * sizeof(ElfW(Phdr)), segments[i]);
        if (!reader.Within(segments[i].p_offset, segments[i].p_filesz)) {
            image.Problem = "is truncated or damaged (a segment lies beyond the end of the file)";
            return image;
        }
    }
    image.Valid = true;
    image.Needed = NeededNames(reader, segments);
    return image;
}
