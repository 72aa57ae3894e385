// The text rules of the valuation: trimming takes blanks and control characters from both ends
// only, and a cut counts whole UTF-8 characters.
#include "app/ValuationText.h"

#include <gtest/gtest.h>

namespace {

TEST(ValuationText, TrimmingTakesBlanksAndControlCharactersFromBothEnds) {
    EXPECT_EQ(Trimmed(" \t\r\n 0909 12 \x01\x1f "), "0909 12");
    EXPECT_EQ(Trimmed(" \t "), "");
    EXPECT_EQ(Trimmed(""), "");
    EXPECT_EQ(Trimmed("Šoštanj"), "Šoštanj");
}

TEST(ValuationText, CutCountsWholeCharacters) {
    EXPECT_EQ(FirstCharacters("  ISS00042", 8), "  ISS000");
    EXPECT_EQ(FirstCharacters("EUR", 8), "EUR");
    EXPECT_EQ(FirstCharacters("EUR", 0), "");
    EXPECT_EQ(FirstCharacters("ČŽŠČŽŠČŽŠ", 8), "ČŽŠČŽŠČŽ");
    EXPECT_EQ(FirstCharacters("AČ€𝄞B", 4), "AČ€𝄞");
}

} // namespace
