// The extraction over a demo database of 2,000 positions: rows of both account classes for its
// report day, with the generator's special cases arriving as the valuation will meet them.
#include "app/SourceExtraction.h"
#include "platform/settings/Locale.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <unistd.h>

namespace {

TEST(DemoExtraction, BothAccountClassesForTheDemoDay) {
    Locale() = TLocale::Slovenian();
    const std::string folder =
        std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/app-demo-" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(folder);
    const std::string library = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";
    TDemoArguments arguments;
    arguments.file = folder + "demo.db";
    arguments.positions = 2000;
    arguments.day = EncodeDate(2024, 3, 15);
    arguments.force = true;
    CreateDemoDatabase(arguments, library, std::string(ZORVEKA_SOURCE_DIR) + "/schema");
    {
        TRecordingUi ui;
        TScopedUi scope(ui);
        TDM dm;
        LogOnEngine(dm.OracleSession1, library, arguments.file, "demo", "demo");
        TOracleQuery format;
        format.SetSession(&dm.OracleSession1);
        format.SetSQLText("ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
        format.Execute();
        TRunContext context(dm);
        context.AppDir = folder;
        context.ReportDay = arguments.day;
        BeriPodatke(context);
        std::map<std::string, int> byClass;
        std::set<std::string> codes;
        for (; !dm.Q1.Eof(); dm.Q1.Next()) {
            ++byClass[dm.Q1.FieldByName("VKNT").AsString()];
            codes.insert(dm.Q1.FieldByName("SFVPKRT").AsString());
        }
        EXPECT_GT(byClass["1"], 1000);
        EXPECT_GT(byClass["6"], 100);
        EXPECT_EQ(byClass.size(), 2u);
        EXPECT_TRUE(codes.count("A_"));
        EXPECT_TRUE(codes.count("NLBR"));
        EXPECT_FALSE(codes.count("A_SB"));
    }
    std::filesystem::remove_all(folder);
}

} // namespace
