// Reading, editing and atomically rewriting profile files. The file is written to a temporary file
// beside it and renamed over it, so a crash leaves either the old or the new file, never half of one.
#include "platform/settings/IniFile.h"

#include "platform/settings/Exceptions.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool IsComment(const std::string& trimmed) {
    return !trimmed.empty() && (trimmed[0] == ';' || trimmed[0] == '#');
}

// The replaced file's permissions carry over to its successor; a new file gets the usual ones.
void CopyPermissions(const std::string& from, int toDescriptor) {
    struct stat old {};
    if (stat(from.c_str(), &old) == 0)
        fchmod(toDescriptor, old.st_mode & 07777);
}

// The whole text on disk (flushed and synced) before anyone may rename the file into place.
bool WriteAndSync(const std::string& temporary, const std::string& text, const std::string& replaced) {
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    CopyPermissions(replaced, fileno(file));
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && written;
}

// Writes text to path through a temporary file in the same directory, renamed over path when complete.
void WriteAtomically(const std::filesystem::path& path, const std::string& text) {
    std::error_code ignored; // a folder that cannot be made shows up as the failed open below
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ignored);
    const std::string temporary = path.string() + ".tmp" + std::to_string(getpid());
    if (!WriteAndSync(temporary, text, path.string()) || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw Exception("Cannot write file " + path.string());
    }
}

} // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
    Load();
}

void TIniFile::Load() {
    sections_.assign(1, TSection{});
    std::ifstream in(fileName_, std::ios::binary);
    // A file that exists but cannot be read must not be replaced by what little we know of it.
    // A folder that cannot be examined counts as unreadable too, and must not end the program.
    std::error_code unknown;
    unreadable_ = !in && (std::filesystem::exists(fileName_, unknown) || unknown);
    std::string text;
    for (bool firstLine = true; std::getline(in, text); firstLine = false) {
        // Editors may start the file with a byte order mark; it must not hide the first section header.
        if (firstLine && text.starts_with(ByteOrderMark)) {
            text.erase(0, ByteOrderMark.size());
            byteOrderMark_ = true;
        }
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        const std::string trimmed = Trim(text, " \t\r");
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            sections_.push_back(TSection{Trim(trimmed.substr(1, trimmed.size() - 2)), {}});
            continue;
        }
        TLine line{text, "", ""};
        const size_t equals = trimmed.find('=');
        if (!IsComment(trimmed) && equals != std::string::npos && equals > 0) {
            line.Key = Trim(trimmed.substr(0, equals), " \t\r");
            line.Value = Trim(trimmed.substr(equals + 1), " \t\r");
        }
        sections_.back().Lines.push_back(std::move(line));
    }
}

void TIniFile::Save() const {
    if (unreadable_)
        throw Exception("Cannot write file " + fileName_);
    std::string text(byteOrderMark_ ? ByteOrderMark : "");
    for (const TSection& section : sections_) {
        if (&section != &sections_.front())
            text += "[" + section.Name + "]\n";
        for (const TLine& line : section.Lines)
            text += line.Text + "\n";
    }
    WriteAtomically(fileName_, text);
}

size_t TIniFile::SectionIndex(const std::string& name) const {
    // The unnamed leading block is not a section: keys before the first header cannot be read.
    for (size_t i = 1; i < sections_.size(); ++i)
        if (SameName(sections_[i].Name, name))
            return i;
    return 0;
}

const TIniFile::TSection* TIniFile::FindSection(const std::string& name) const {
    const size_t index = SectionIndex(name);
    return index ? &sections_[index] : nullptr;
}

size_t TIniFile::KeyIndex(const TSection& section, const std::string& key) {
    for (size_t i = 0; i < section.Lines.size(); ++i)
        if (!section.Lines[i].Key.empty() && SameName(section.Lines[i].Key, key))
            return i;
    return section.Lines.size();
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const TSection* found = FindSection(section);
    const size_t index = found ? KeyIndex(*found, key) : 0;
    return found && index < found->Lines.size() ? found->Lines[index].Value : defaultValue;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    const std::string text = ReadString(section, key, "");
    try {
        size_t used = 0;
        const int value = std::stoi(text, &used, 10);
        return used == text.size() ? value : defaultValue;
    } catch (const std::logic_error&) { // not a number, or out of range
        return defaultValue;
    }
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    // A key or value with a line break or a key with '=' would not read back as written.
    if (key.empty() || key.find_first_of("=\r\n") != std::string::npos ||
        value.find_first_of("\r\n") != std::string::npos)
        throw Exception("Invalid profile entry [" + section + "] " + key);
    size_t sectionIndex = SectionIndex(section);
    if (!sectionIndex) {
        sectionIndex = sections_.size();
        sections_.push_back(TSection{section, {}});
    }
    std::vector<TLine>& lines = sections_[sectionIndex].Lines;
    const size_t keyIndex = KeyIndex(sections_[sectionIndex], key);
    if (keyIndex < lines.size()) {
        lines[keyIndex].Text = lines[keyIndex].Key + "=" + value;
        lines[keyIndex].Value = Trim(value, " \t\r");
    } else {
        // After the section's last entry, so blank lines separating it from the next section stay there.
        auto last = std::find_if(lines.rbegin(), lines.rend(),
                                 [](const TLine& line) { return !Trim(line.Text, " \t\r").empty(); });
        lines.insert(last.base(), TLine{key + "=" + value, key, Trim(value, " \t\r")});
    }
    Save();
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
    std::vector<std::string> keys;
    if (const TSection* found = FindSection(section))
        for (const TLine& line : found->Lines)
            if (!line.Key.empty())
                keys.push_back(line.Key);
    return keys;
}

std::vector<std::string> TIniFile::ReadSectionValues(const std::string& section) const {
    std::vector<std::string> values;
    if (const TSection* found = FindSection(section))
        for (const TLine& line : found->Lines)
            if (!line.Key.empty())
                values.push_back(line.Key + "=" + line.Value);
    return values;
}

std::vector<std::string> TIniFile::ReadSections() const {
    std::vector<std::string> names;
    for (size_t i = 1; i < sections_.size(); ++i)
        names.push_back(sections_[i].Name);
    return names;
}

void TIniFile::EraseSection(const std::string& section) {
    const size_t index = SectionIndex(section);
    if (!index)
        return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(index));
    Save();
}

bool TIniFile::SectionExists(const std::string& section) const {
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
    const TSection* found = FindSection(section);
    return found && KeyIndex(*found, key) < found->Lines.size();
}
