// The logon history: captions, adding with its size limit and fixed entries, and its place in an
// ini file (one numbered group of keys per entry under the section "Logon").
#include "oracle/OracleLogon.h"

#include "platform/settings/IniFile.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>

std::string THistoryItem::Caption() const {
    std::string caption = UpperCase(Username);
    if (!Database.empty())
        caption += "@" + UpperCase(Database);
    if (!Role.empty())
        caption += " AS " + Role;
    return caption;
}

void THistoryItems::Add(THistoryItem item, int size, bool withPassword) {
    if (!withPassword && !item.Fixed)
        item.Password.clear();
    const std::string caption = item.Caption();
    std::erase_if(Items, [&](const THistoryItem& old) { return !old.Fixed && old.Caption() == caption; });
    Items.insert(Items.begin(), item);
    for (int i = static_cast<int>(Items.size()) - 1; i >= 0 && static_cast<int>(Items.size()) > size; --i) {
        if (!Items[static_cast<size_t>(i)].Fixed)
            Items.erase(Items.begin() + i);
    }
}

void THistoryItems::Load(const std::string& fileName, const std::string& section) {
    Items.clear();
    if (fileName.empty())
        return;
    const TIniFile file(fileName);
    const int count = file.ReadInteger(section, "Count", 0);
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        Items.push_back(
            {file.ReadString(section, "Username" + n, ""), file.ReadString(section, "Password" + n, ""),
             file.ReadString(section, "Database" + n, ""), file.ReadString(section, "Role" + n, ""),
             file.ReadInteger(section, "Fixed" + n, 0) != 0});
    }
}

void THistoryItems::Save(const std::string& fileName, const std::string& section) const {
    if (fileName.empty())
        return;
    TIniFile file(fileName);
    file.EraseSection(section);
    file.WriteInteger(section, "Count", static_cast<int>(Items.size()));
    for (size_t i = 0; i < Items.size(); ++i) {
        const std::string n = std::to_string(i);
        file.WriteString(section, "Username" + n, Items[i].Username);
        file.WriteString(section, "Password" + n, Items[i].Password);
        file.WriteString(section, "Database" + n, Items[i].Database);
        file.WriteString(section, "Role" + n, Items[i].Role);
        file.WriteInteger(section, "Fixed" + n, Items[i].Fixed ? 1 : 0);
    }
}
