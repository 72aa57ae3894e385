// The engine's ROWID text and Oracle's 7-byte DATE, checked on their own, since every other test
// sees them only through whole statements.
#include "platform/oci_sqlite/OracleDate.h"
#include "platform/oci_sqlite/RowidCodec.h"

#include <gtest/gtest.h>

using namespace ocisqlite;

namespace {

TEST(RowidText, IsEighteenOracleBase64DigitsAndDecodesBack) {
    for (const RowAddress address : {RowAddress{1, 1}, RowAddress{4711, 262143}, RowAddress{4711, 262144},
                                     RowAddress{68719476735, (int64_t{1} << 53) + 12345}}) {
        const std::string text = EncodeRowid(address);
        ASSERT_EQ(text.size(), 18u);
        EXPECT_EQ(text.substr(6, 3), "AAB"); // relative file 1
        const auto back = DecodeRowid(text);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->objectNumber, address.objectNumber);
        EXPECT_EQ(back->rowid, address.rowid);
    }
    EXPECT_EQ(EncodeRowid({63, 64}), "AAAAA/AABAAAAAAABA");
}

TEST(RowidText, RejectsTextThatIsNoRowid) {
    EXPECT_FALSE(DecodeRowid("short"));
    EXPECT_FALSE(DecodeRowid("AAAAA/AABAAAAAA-BA"));
}

TEST(OracleDateBytes, FollowsOraclesCenturyAndOffsets) {
    unsigned char bytes[7];
    ToOracleDate({2023, 3, 5, 0, 0, 0}, bytes);
    const unsigned char expected[7] = {120, 123, 3, 5, 1, 1, 1};
    EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + 7),
              std::vector<unsigned char>(expected, expected + 7));
    const auto parts = FromOracleDate(expected);
    ASSERT_TRUE(parts);
    EXPECT_EQ(FormatStoredDate(*parts), "2023-03-05 00:00:00");
    const unsigned char invalid[7] = {120, 123, 13, 5, 1, 1, 1};
    EXPECT_FALSE(FromOracleDate(invalid));
}

TEST(OracleDateBytes, StoredTextParsesStrictly) {
    EXPECT_TRUE(ParseStoredDate("1999-12-31 23:59:59"));
    EXPECT_TRUE(ParseStoredDate("1999-12-31"));
    EXPECT_FALSE(ParseStoredDate("31.12.1999"));
    EXPECT_FALSE(ParseStoredDate("1999-12-31 24:00:00"));
}

TEST(OracleDateBytes, NlsFormatElements) {
    const DateTimeParts parts{2024, 2, 9, 15, 4, 5};
    EXPECT_EQ(FormatNlsDate(parts, "DD.MM.YYYY"), "09.02.2024");
    EXPECT_EQ(FormatNlsDate(parts, "dd-MON-rr hh24:mi:ss"), "09-FEB-24 15:04:05");
    EXPECT_EQ(FormatNlsDate(parts, "YYYY-MM-DD HH:MI"), "2024-02-09 03:04");
}

} // namespace
