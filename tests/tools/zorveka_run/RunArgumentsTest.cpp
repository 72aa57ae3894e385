// The batch runner's command line: positional arguments beside the options and the layer's settings,
// the day in its fixed form, the three risk types, a batch's days and risk types, and what makes it a
// usage error.
#include "RunArguments.h"
#include "BatchArguments.h"

#include "platform/settings/DateText.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(RunArgumentsTest, OptionsAnywhereAndTheUserCodeAsFourthArgument) {
    const TRunArguments arguments =
        ParseRunArguments({"zorveka-run", "--risk", "2", "DEMO", "demo", "OCIDLL=/x.so", "demo", "JN",
                           "--day", "29.02.2024", "--stats"});
    EXPECT_EQ(arguments.Positional, (Strings{"DEMO", "demo", "demo", "JN"}));
    EXPECT_EQ(arguments.Day, EncodeDate(2024, 2, 29));
    EXPECT_EQ(arguments.RiskType, 2);
    EXPECT_TRUE(arguments.Stats);
}

TEST(RunArgumentsTest, UnusableCommandLinesAreUsageErrors) {
    const Strings base{"zorveka-run", "DEMO", "demo", "demo"};
    const auto with = [&](Strings extra) {
        Strings line = base;
        line.insert(line.end(), extra.begin(), extra.end());
        return line;
    };
    EXPECT_THROW(ParseRunArguments({"zorveka-run", "DEMO", "demo", "--day", "15.03.2024", "--risk", "1"}),
                 EUsageError);
    EXPECT_THROW(ParseRunArguments(with({"--risk", "1"})), EUsageError);
    EXPECT_THROW(ParseRunArguments(with({"--day", "15.03.2024"})), EUsageError);
    EXPECT_THROW(ParseRunArguments(with({"--day", "30.02.2024", "--risk", "1"})), EUsageError);
    EXPECT_THROW(ParseRunArguments(with({"--day", "2024-03-15", "--risk", "1"})), EUsageError);
    EXPECT_THROW(ParseRunArguments(with({"--day", "15.03.2024", "--risk", "3"})), EUsageError);
    EXPECT_THROW(ParseRunArguments(with({"--day", "15.03.2024", "--risk"})), EUsageError);
    EXPECT_THROW(ParseRunArguments(with({"--day", "15.03.2024", "--risk", "1", "--force"})), EUsageError);
    EXPECT_THROW(ParseRunArguments(with({"JN", "extra", "--day", "15.03.2024", "--risk", "1"})), EUsageError);
    for (const Strings& mistaken :
         {Strings{"--day", "15.03.2024", "--day", "16.03.2024", "--risk", "1"},
          Strings{"--day", "15.03.2024", "--risk", "1", "--risk", "2"},
          Strings{"OCIDL=/x.so", "--day", "15.03.2024", "--risk", "1"},
          Strings{"OCIDLL=/x.so", "ocidll=/y.so", "--day", "15.03.2024", "--risk", "1"}})
        EXPECT_THROW(ParseRunArguments(with(mistaken)), EUsageError) << mistaken[0] << mistaken[1];
    EXPECT_NO_THROW(ParseRunArguments(with({"--day", "15.03.2024", "--risk", "0"})));
    EXPECT_NO_THROW(
        ParseRunArguments({"zorveka-run", "DEMO", "demo", "pass=word", "OCIDLL=/x.so", "ORACLEHOME=/o",
                           "UserId=a/b@c", "--day", "15.03.2024", "--risk", "0"}));
}

// The journal's options: a listing needs no day, a comparison and a report do, and they do not mix.
TEST(RunArgumentsTest, JournalOptionsAndTheirCombinations) {
    const Strings base{"zorveka-run", "DEMO", "demo", "demo"};
    const auto parse = [&](Strings extra) {
        Strings line = base;
        line.insert(line.end(), extra.begin(), extra.end());
        return ParseRunArguments(line);
    };
    const TRunArguments listing = parse({"--journal", "--days", "30"});
    EXPECT_TRUE(listing.Journal);
    EXPECT_EQ(listing.JournalDays, 30);
    EXPECT_EQ(parse({"--journal"}).JournalDays, 7);
    const TRunArguments compare = parse({"--day", "15.03.2024", "--risk", "1", "--compare", "14.03.2024"});
    EXPECT_TRUE(compare.Compare);
    EXPECT_EQ(compare.CompareDay, EncodeDate(2024, 3, 14));
    EXPECT_EQ(parse({"--day", "15.03.2024", "--risk", "1", "--report", "r.html"}).Report, "r.html");
    for (const Strings& mistaken :
         {Strings{"--journal", "--day", "15.03.2024"}, Strings{"--journal", "--days", "0"},
          Strings{"--journal", "--days", "x"}, Strings{"--day", "15.03.2024", "--risk", "1", "--days", "3"},
          Strings{"--day", "15.03.2024", "--risk", "1", "--compare", "31.02.2024"},
          Strings{"--compare", "14.03.2024"},
          Strings{"--day", "15.03.2024", "--risk", "1", "--compare", "14.03.2024", "--report", "r.csv"},
          Strings{"--day", "15.03.2024", "--risk", "1", "--report"}})
        EXPECT_THROW(parse(mistaken), EUsageError) << mistaken[0] << " " << mistaken[1];
}

} // namespace

// A batch's days and risk types: ranges and lists in date and risk order, a single run as before, and
// what makes them usage errors.
TEST(RunArgumentsTest, BatchDaysAndRiskTypes) {
    struct TCase {
        Strings Extra;
        Strings Days; //!< the batch's days; empty with --day
        std::vector<int> Risks;
        bool Batch = true;
        bool Usage = false;
    };
    const TCase cases[] = {
        {{"--days", "30.11.2026..02.12.2026", "--risk", "0,1,2"},
         {"30.11.2026", "01.12.2026", "02.12.2026"},
         {0, 1, 2}},
        {{"--days", "03.11.2026,01.11.2026", "--risk", "1"}, {"01.11.2026", "03.11.2026"}, {1}},
        {{"--days", "04.11.2026,01.11.2026..02.11.2026", "--risk", "2,0"},
         {"01.11.2026", "02.11.2026", "04.11.2026"},
         {0, 2}},
        {{"--days", "29.02.2028", "--risk", "1"}, {"29.02.2028"}, {1}},
        {{"--day", "01.11.2026", "--risk", "1,2"}, {}, {1, 2}},
        {{"--day", "01.11.2026", "--risk", "1", "--summary", "s.csv", "--resume"}, {}, {1}},
        {{"--day", "01.11.2026", "--risk", "1"}, {}, {1}, false},
        {{"--days", "02.11.2026..01.11.2026", "--risk", "1"}, {}, {}, true, true},
        {{"--days", "01.11.2026,,02.11.2026", "--risk", "1"}, {}, {}, true, true},
        {{"--days", "01.11.2026,", "--risk", "1"}, {}, {}, true, true},
        {{"--days", "01.11.2026..", "--risk", "1"}, {}, {}, true, true},
        {{"--days", "01.11.2026..02.11.2026,02.11.2026", "--risk", "1"}, {}, {}, true, true},
        {{"--days", "31.11.2026..01.12.2026", "--risk", "1"}, {}, {}, true, true},
        {{"--days", "7", "--risk", "1"}, {}, {}, true, true},
        {{"--days", "01.11.2026", "--day", "01.11.2026", "--risk", "1"}, {}, {}, true, true},
        {{"--days", "01.11.2026", "--risk", "1,1"}, {}, {}, true, true},
        {{"--days", "01.11.2026", "--risk", "0,3"}, {}, {}, true, true},
        {{"--days", "01.11.2026"}, {}, {}, true, true},
        {{"--days", "01.11.2026", "--risk", "1", "--resume"}, {}, {}, true, true},
        {{"--days", "01.11.2026", "--risk", "1", "--stats"}, {}, {}, true, true},
        {{"--days", "01.11.2026", "--risk", "1", "--export", "g.csv"}, {}, {}, true, true},
        {{"--day", "01.11.2026", "--risk", "0,1", "--compare", "31.10.2026"}, {}, {}, true, true},
        {{"--journal", "--resume"}, {}, {}, true, true},
    };
    for (const TCase& c : cases) {
        Strings line{"zorveka-run", "DEMO", "demo", "demo"};
        line.insert(line.end(), c.Extra.begin(), c.Extra.end());
        std::string trace;
        for (const std::string& part : c.Extra)
            trace += part + " ";
        SCOPED_TRACE(trace);
        if (c.Usage) {
            EXPECT_THROW(ParseRunArguments(line), EUsageError);
            continue;
        }
        const TRunArguments arguments = ParseRunArguments(line);
        Strings days;
        for (TDateTime day : arguments.Days)
            days.push_back(FormatDayMonthYear(day));
        EXPECT_EQ(days, c.Days);
        EXPECT_EQ(arguments.RiskTypes, c.Risks);
        EXPECT_EQ(arguments.RiskType, c.Risks.front());
        EXPECT_EQ(IsDayBatch(arguments), c.Batch);
    }
}
