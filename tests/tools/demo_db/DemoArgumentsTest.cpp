// The command line of zorveka-demo-db: defaults, each option, and the refusals with their reasons.
#include "tools/demo_db/DemoArguments.h"
#include "platform/settings/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A function, not a constant: the date arithmetic has its own statics, which a constant initialised
// before them would read too early.
TDateTime Today30June() {
    return EncodeDate(2025, 6, 30);
}

TDemoArguments Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "zorveka-demo-db");
    return ParseDemoArguments(static_cast<int>(args.size()), args.data(), Today30June());
}

std::string Refusal(std::vector<const char*> args) {
    try {
        Parse(std::move(args));
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}

TEST(DemoArguments, DefaultsAreTwoThousandPositionsTodayAndTheDemoUser) {
    const TDemoArguments a = Parse({"demo.db"});
    EXPECT_EQ(a.file, "demo.db");
    EXPECT_EQ(a.positions, 2000);
    EXPECT_EQ(a.day, Today30June());
    EXPECT_EQ(a.user, "demo");
    EXPECT_EQ(a.password, "demo");
    EXPECT_FALSE(a.force);
}

TEST(DemoArguments, OptionsMayComeBeforeOrAfterTheFile) {
    const TDemoArguments a = Parse({"--positions", "200000", "x.db", "--day", "01.01.2024", "--user", "u",
                                    "--password", "p", "--force"});
    EXPECT_EQ(a.file, "x.db");
    EXPECT_EQ(a.positions, 200000);
    EXPECT_EQ(a.day, EncodeDate(2024, 1, 1));
    EXPECT_EQ(a.user, "u");
    EXPECT_EQ(a.password, "p");
    EXPECT_TRUE(a.force);
}

TEST(DemoArguments, RefusesWhatItCannotUse) {
    EXPECT_EQ(Refusal({}), "Datoteka baze ni podana");
    EXPECT_EQ(Refusal({"a.db", "b.db"}), "Neznan argument b.db");
    EXPECT_EQ(Refusal({"a.db", "--scale", "3"}), "Neznan argument --scale");
    EXPECT_EQ(Refusal({"a.db", "--user"}), "--user zahteva vrednost");
    EXPECT_EQ(Refusal({"a.db", "--positions", "0"}), "--positions sprejme število od 1 do 200000: 0");
    EXPECT_EQ(Refusal({"a.db", "--positions", "200001"}),
              "--positions sprejme število od 1 do 200000: 200001");
    EXPECT_EQ(Refusal({"a.db", "--positions", "12x"}), "--positions sprejme število od 1 do 200000: 12x");
    EXPECT_EQ(Refusal({"a.db", "--day", "31.02.2024"}),
              "Ni dan poročanja od leta 2008 naprej v obliki DD.MM.YYYY: 31.02.2024");
    EXPECT_EQ(Refusal({"a.db", "--day", "1.1.2024"}),
              "Ni dan poročanja od leta 2008 naprej v obliki DD.MM.YYYY: 1.1.2024");
    EXPECT_EQ(Refusal({"a.db", "--day", "01.01.2007"}),
              "Ni dan poročanja od leta 2008 naprej v obliki DD.MM.YYYY: 01.01.2007");
}

} // namespace
