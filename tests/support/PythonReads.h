// What a script of Debian's Python prints about a file: the independent readers (csv, openpyxl,
// dbfread) that the exports are checked against. A script that fails is a failure of the test.
#pragma once

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

inline std::string PythonReads(const std::string& script, const std::string& file) {
    FILE* pipe = popen(("/usr/bin/python3 -c \"" + script + "\" '" + file + "'").c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    if (!pipe)
        return {};
    std::string lines;
    char buffer[512];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        lines.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << lines;
    return lines;
}
