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

namespace {

TEST(TextUtils, ByteCutKeepsWholeCharactersWithinTheLimit) {
    const struct {
        const char* text;
        std::size_t bytes;
        const char* cut;
    } cases[] = {
        {"ABCDEFGH", 8, "ABCDEFGH"},
        {"ABCDEFGHI", 8, "ABCDEFGH"},
        {"ABCDEFGČ", 8, "ABCDEFG"}, // Č takes bytes 8 and 9
        {"ABCDEFČ", 8, "ABCDEFČ"},  // Č ends on byte 8
        {"ČŽŠČŽŠČŽŠČ", 8, "ČŽŠČ"},
        {"A€𝄞", 5, "A€"},
        {"A€𝄞", 8, "A€𝄞"},
        {"Č", 1, ""},
        {"", 3, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstBytes(c.text, c.bytes), c.cut) << c.text << " in " << c.bytes;
}

} // namespace
