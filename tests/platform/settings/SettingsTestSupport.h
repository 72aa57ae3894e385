// Scaffolding for the settings tests: a fresh folder per test case and environment variables set
// for the length of a scope.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

// A folder of its own for the running test case, emptied first.
inline std::filesystem::path CaseDir() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path dir = std::filesystem::path(ZORVEKA_TEST_OUTPUT_DIR) / "settings" /
                                      (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Sets (or with nullopt unsets) a variable and restores its former state at scope end.
class TEnvOverride {
public:
    TEnvOverride(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        Apply(value);
    }
    ~TEnvOverride() { Apply(old_); }
    TEnvOverride(const TEnvOverride&) = delete;
    TEnvOverride& operator=(const TEnvOverride&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value)
            setenv(name_, value->c_str(), 1);
        else
            unsetenv(name_);
    }

    const char* name_;
    std::optional<std::string> old_;
};
