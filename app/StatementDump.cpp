// Writing a statement dump; a failed write is an error of the step that dumps.
#include "app/StatementDump.h"

#include "platform/settings/Exceptions.h"

#include <fstream>

void SaveStatementText(const std::string& fileName, const std::string& text) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file << text << '\n';
    file.close();
    if (!file)
        throw Exception("Cannot write " + fileName);
}
