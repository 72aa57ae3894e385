// Profile (ini) files: [sections] of key=value lines, names compared without regard to case. A
// missing file reads as empty, a line that is neither a section nor a key is skipped; every write
// replaces the whole file atomically and keeps the other sections, keys and comments as they were.
#pragma once

#include <string>
#include <vector>

class TIniFile {
public:
    // Reads the file once; writes go to memory and to the file at once.
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // The default also when the value is not a decimal integer.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);

    // The keys of a section, in file order.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // "key=value" for each key of a section, in file order.
    std::vector<std::string> ReadSectionValues(const std::string& section) const;
    std::vector<std::string> ReadSections() const;
    void EraseSection(const std::string& section);
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;

private:
    struct TLine {
        std::string Text; // as read, so untouched lines are written back unchanged
        std::string Key;  // empty for comments, blank and malformed lines
        std::string Value;
    };
    struct TSection {
        std::string Name; // empty for the lines before the first section header
        std::vector<TLine> Lines;
    };

    // 0 when absent (index 0 is the unnamed leading block).
    size_t SectionIndex(const std::string& name) const;
    const TSection* FindSection(const std::string& name) const;
    // Lines.size() when absent.
    static size_t KeyIndex(const TSection& section, const std::string& key);
    void Load();
    void Save() const;

    std::string fileName_;
    std::vector<TSection> sections_;
    bool unreadable_ = false;
    bool byteOrderMark_ = false; // kept on writing, as the file had it
};
