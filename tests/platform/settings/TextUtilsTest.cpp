// The shared text helpers: trimming takes blanks and control characters from both ends only, and
// counting and cutting go by whole UTF-8 characters.
#include "platform/settings/TextUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(TextUtils, TrimmingTakesBlanksAndControlCharactersFromBothEnds) {
    EXPECT_EQ(TrimBlanksAndControls(" \t\r\n 0909 12 \x01\x1f "), "0909 12");
    EXPECT_EQ(TrimBlanksAndControls(" \t "), "");
    EXPECT_EQ(TrimBlanksAndControls(""), "");
    EXPECT_EQ(TrimBlanksAndControls("Šoštanj"), "Šoštanj");
}

TEST(TextUtils, CutCountsWholeCharacters) {
    EXPECT_EQ(FirstCharacters("  ISS00042", 8), "  ISS000");
    EXPECT_EQ(FirstCharacters("EUR", 8), "EUR");
    EXPECT_EQ(FirstCharacters("EUR", 0), "");
    EXPECT_EQ(FirstCharacters("ČŽŠČŽŠČŽŠ", 8), "ČŽŠČŽŠČŽ");
    EXPECT_EQ(FirstCharacters("AČ€𝄞B", 4), "AČ€𝄞");
    EXPECT_EQ(CharacterCount("AČ€𝄞B"), 5u);
}

} // namespace
