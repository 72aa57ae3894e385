// Where a program's password comes from: the argument itself, standard input, an owner-only
// file, or the environment; a file others may read is refused; the argument is overwritten.
#include "app/PasswordArgument.h"
#include "platform/settings/Exceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

using TLine = std::vector<std::string>;

TEST(PasswordArgumentTest, ThePasswordComesFromWhereTheUserKeepsIt) {
    const std::string file = (std::filesystem::temp_directory_path() / "zorveka-geslo").string();
    std::ofstream(file) << "izDatoteke\nnaslednja\n";
    chmod(file.c_str(), S_IRUSR | S_IWUSR);
    struct Case {
        TLine Given;
        const char* Environment;
        TLine Used;
    };
    const Case cases[] = {
        {{"zorveka", "DEMO", "demo", "geslo"}, "okolje", {"zorveka", "DEMO", "demo", "geslo"}},
        {{"zorveka", "DEMO", "demo", "-", "U1"}, nullptr, {"zorveka", "DEMO", "demo", "izVhoda", "U1"}},
        {{"zorveka", "OCIDLL=x.so", "DEMO", "demo", "@" + file},
         nullptr,
         {"zorveka", "OCIDLL=x.so", "DEMO", "demo", "izDatoteke"}},
        {{"zorveka", "DEMO", "demo", "OCIDLL=x.so"},
         "okolje",
         {"zorveka", "DEMO", "demo", "okolje", "OCIDLL=x.so"}},
        {{"zorveka", "DEMO"}, "okolje", {"zorveka", "DEMO"}},
    };
    for (const Case& c : cases) {
        std::istringstream input("izVhoda\n");
        EXPECT_EQ(WithPassword(c.Given, input, c.Environment), c.Used) << c.Given.back();
    }
    chmod(file.c_str(), S_IRUSR | S_IWUSR | S_IRGRP);
    std::istringstream input;
    EXPECT_THROW(WithPassword({"zorveka", "DEMO", "demo", "@" + file}, input, nullptr), Exception);
    std::filesystem::remove(file);
}

TEST(PasswordArgumentTest, TheArgumentIsOverwrittenInTheProcessMemory) {
    char program[] = "zorveka", alias[] = "DEMO", user[] = "demo", password[] = "skrivno",
         layer[] = "OCIDLL=x";
    char* argv[] = {program, layer, alias, user, password, nullptr};
    HidePassword(5, argv);
    EXPECT_STREQ(password, "*******");
    EXPECT_STREQ(layer, "OCIDLL=x");
    EXPECT_STREQ(user, "demo");
}

} // namespace
