// The referent of a run: the user code's value in section REFERENT, the code itself when the
// file or the key is missing, nothing without a fourth argument.
#include "app/ReferentFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class ReferentFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/referent-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(folder_);
        file_ = ReferentFileName(folder_, "ZORVEKA");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    void Write(const std::string& text) { std::ofstream(file_) << text; }

    std::string folder_, file_;
};

TEST_F(ReferentFile, LowerCaseNameInTheProgramDirectoryWithSlashAdded) {
    EXPECT_EQ(ReferentFileName("/opt/z", "ZORVEKA"), "/opt/z/zorveka.ini");
    EXPECT_EQ(ReferentFileName("/opt/z/", "ZORVEKA"), "/opt/z/zorveka.ini");
}

TEST_F(ReferentFile, KeyOfTheUserCodeGivesTheReferent) {
    Write("[REFERENT]\nJN=REF0001\n");
    EXPECT_EQ(BeriDBSReferenta(file_, "JN"), "REF0001");
    EXPECT_EQ(BeriDBSReferenta(file_, "jn"), "REF0001");
}

TEST_F(ReferentFile, MissingKeyOrFileGivesTheCodeItself) {
    EXPECT_EQ(BeriDBSReferenta(file_, "JN"), "JN");
    Write("[REFERENT]\nXY=REF0002\n[OTHER]\nJN=WRONG\n");
    EXPECT_EQ(BeriDBSReferenta(file_, "JN"), "JN");
}

TEST_F(ReferentFile, BlankCodeIsNotLookedUp) {
    Write("[REFERENT]\n=EMPTYKEY\n");
    EXPECT_EQ(BeriDBSReferenta(file_, ""), "");
    EXPECT_EQ(BeriDBSReferenta(file_, "  "), "  ");
}

TEST(FourthArgument, OnlyWithFourArguments) {
    EXPECT_EQ(FourthArgument({"DEMO", "demo", "demo"}), "");
    EXPECT_EQ(FourthArgument({"DEMO", "demo", "demo", "JN"}), "JN");
}

} // namespace
