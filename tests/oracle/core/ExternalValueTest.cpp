// Decoding a client buffer by its external type: where each kind of text ends, which texts get
// their line breaks normalised, and the fixed-size numbers and dates.
#include "oracle/OracleExternalValue.h"

#include "platform/settings/DateTime.h"

#include <gtest/gtest.h>

namespace {

using TBuffer = std::vector<unsigned char>;

TBuffer BufferOf(const std::string& bytes) {
    return TBuffer(bytes.begin(), bytes.end());
}

TVariant Decode(int type, const TBuffer& buffer, size_t length, bool convertCRLF = false) {
    return DecodeExternalValue({type, buffer.data(), length, buffer.size()}, convertCRLF);
}

} // namespace

TEST(ExternalValueTest, ReportedLengthBoundsLongAndCharTextsEvenAcrossZeros) {
    const TBuffer buffer = BufferOf(std::string("ab\0cdXXXX", 9));
    EXPECT_EQ(Decode(SQLT_LNG, buffer, 5).Text(), std::string("ab\0cd", 5));
    EXPECT_EQ(Decode(SQLT_CHR, buffer, 5).Text(), std::string("ab\0cd", 5));
    EXPECT_EQ(Decode(SQLT_LBI, buffer, 5).Bytes(), BufferOf(std::string("ab\0cd", 5)));
}

TEST(ExternalValueTest, ZeroTerminatedTextsStopAtTheZeroOrAtTheEndOfTheirRoom) {
    EXPECT_EQ(Decode(SQLT_STR, BufferOf(std::string("abc\0def", 7)), 0).Text(), "abc");
    const TBuffer full = BufferOf("abcdef");
    EXPECT_EQ(DecodeExternalValue({SQLT_AFC, full.data(), 0, 4}, false).Text(), "abcd")
        << "a text filling its room has no zero and must not be read beyond it";
}

TEST(ExternalValueTest, TextsButNotBytesGetCrLfLineBreaksWhenAsked) {
    const TBuffer buffer = BufferOf("a\nb\rc");
    EXPECT_EQ(Decode(SQLT_STR, buffer, 0, true).Text(), "a\r\nb\r\nc");
    EXPECT_EQ(Decode(SQLT_LNG, buffer, buffer.size(), true).Text(), "a\r\nb\r\nc");
    EXPECT_EQ(Decode(SQLT_LNG, buffer, buffer.size(), false).Text(), "a\nb\rc");
    EXPECT_EQ(Decode(SQLT_LBI, buffer, buffer.size(), true).Bytes(), buffer);
}

TEST(ExternalValueTest, IntegersFloatsAndDatesKeepTheirKind) {
    const std::int32_t integer = -123456;
    const double number = 0.1;
    TBuffer integerBuffer(sizeof integer), floatBuffer(sizeof number);
    std::memcpy(integerBuffer.data(), &integer, sizeof integer);
    std::memcpy(floatBuffer.data(), &number, sizeof number);
    EXPECT_EQ(Decode(SQLT_INT, integerBuffer, 0), TVariant::FromInteger(-123456));
    EXPECT_EQ(Decode(SQLT_FLT, floatBuffer, 0), TVariant::FromFloat(0.1));

    const TDateTime when = EncodeDate(2025, 12, 31) + EncodeTime(23, 59, 58, 0);
    const std::array<ub1, 7> date = EncodeOracleDate(when);
    EXPECT_EQ(Decode(SQLT_DAT, TBuffer(date.begin(), date.end()), 0, true).Kind(), TVarKind::DateTime);
    EXPECT_DOUBLE_EQ(Decode(SQLT_DAT, TBuffer(date.begin(), date.end()), 0).DateTime(), when);
}
