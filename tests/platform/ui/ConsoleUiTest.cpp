// The console user interface: texts as given with a lone CR as a line break, every question
// answered No, no Cancel.
#include "platform/ui/ConsoleUi.h"

#include "platform/ui/UiGuards.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ConsoleUi, MessagesAreWrittenOnePerLineWithALoneCarriageReturnAsALineBreak) {
    std::ostringstream out;
    TConsoleUi console(out);
    console.ShowMessage("Prijava v orc1 ni uspela!");
    console.ShowMessage("Status: 0\rStatusText: Kopirano\r");
    console.ShowError("Napaka:\r\nORA-00942: table or view does not exist");
    EXPECT_EQ(out.str(), "Prijava v orc1 ni uspela!\nStatus: 0\nStatusText: Kopirano\n\n"
                         "Napaka:\nORA-00942: table or view does not exist\n");
}

TEST(DisplayLineBreaksTest, LoneCarriageReturnBreaksTheLineOnce) {
    EXPECT_EQ(DisplayLineBreaks("a\rb\r\nc\n"), "a\nb\nc\n");
}

TEST(ConsoleUi, QuestionsAreAnsweredNo) {
    std::ostringstream out;
    TConsoleUi console(out);
    EXPECT_FALSE(console.AskYesNo("Nadaljujem?"));
    EXPECT_FALSE(console.AskYesNo("Res?"));
    EXPECT_EQ(out.str(), "Nadaljujem? -> No\nRes? -> No\n");
}

TEST(ConsoleUi, ProgressShowsTheTitleAndNeverCancels) {
    std::ostringstream out;
    TConsoleUi console(out);
    TScopedUi scoped(console);
    {
        TProgressScope progress("Copy to clipboard", 3);
        for (int i = 0; i < 10; ++i)
            EXPECT_NO_THROW(progress.Step());
    }
    EXPECT_EQ(out.str(), "Copy to clipboard (3)\n");
}

TEST(ConsoleUi, IsTheDefaultUntilAnotherIsInstalled) {
    EXPECT_NE(dynamic_cast<TConsoleUi*>(&Ui()), nullptr);
    EXPECT_FALSE(Ui().AskYesNo("Ali naj izbrišem vrstice?"));
}
