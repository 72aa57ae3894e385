// The engine's DATE storage text 'YYYY-MM-DD HH:MM:SS' and the two forms clients exchange it in:
// Oracle's 7-byte DATE (SQLT_DAT), the OCIDate structure (SQLT_ODT) and a text in the session's
// NLS_DATE_FORMAT.
#pragma once

#include <optional>
#include <string>

namespace ocisqlite {

struct DateTimeParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

std::optional<DateTimeParts> ParseStoredDate(const std::string& text);
std::string FormatStoredDate(const DateTimeParts& parts);

// Byte 1 century + 100, byte 2 year of century + 100, month, day, hour + 1, minute + 1, second + 1.
void ToOracleDate(const DateTimeParts& parts, unsigned char out[7]);
std::optional<DateTimeParts> FromOracleDate(const unsigned char in[7]);

// Oracle's OCIDate (SQLT_ODT), 8 bytes: sb2 year in the client's byte order, then month, day, hour,
// minute and second as one byte each, and a byte of padding.
inline constexpr int kOciDateSize = 8;
void ToOciDate(const DateTimeParts& parts, unsigned char out[kOciDateSize]);
std::optional<DateTimeParts> FromOciDate(const unsigned char in[kOciDateSize]);

// Formats with the elements of an NLS_DATE_FORMAT (YYYY, YY, RR, MM, MON, DD, HH24, HH, MI, SS);
// every other character is copied as it stands.
std::string FormatNlsDate(const DateTimeParts& parts, const std::string& nlsFormat);

} // namespace ocisqlite
