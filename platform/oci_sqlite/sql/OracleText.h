// Oracle's character functions over UTF-8 text, counted in characters: INSTR and SUBSTR with
// Oracle's position rules, UPPER / LOWER beyond ASCII and case-sensitive LIKE.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orasql {

std::vector<char32_t> DecodeChars(std::string_view text);
std::string EncodeChars(const std::vector<char32_t>& chars);
size_t CharLength(std::string_view text);

// 1-based position of the occurrence-th match, searching backwards from the end for a negative
// position; 0 when there is none.
int64_t InstrChars(std::string_view text, std::string_view sub, int64_t position, int64_t occurrence);
// Position 0 counts as 1, a negative one from the end; a length below 1 gives the empty text.
std::string SubstrChars(std::string_view text, int64_t position, std::optional<int64_t> length);
std::string ChangeCase(std::string_view text, bool upper);
// Each word's first letter upper case, the rest lower; words are runs of letters and digits.
std::string InitCap(std::string_view text);
// LPAD / RPAD: `text` cut or filled with `pad` (not empty) to `length` characters.
std::string PadChars(std::string_view text, int64_t length, std::string_view pad, bool left);
// Each character of `from` becomes the one at its place in `to`, or goes when `to` is shorter.
std::string TranslateChars(std::string_view text, std::string_view from, std::string_view to);
std::string TrimChar(std::string_view text, char32_t c, bool leading, bool trailing);
bool LikeMatch(std::string_view value, std::string_view pattern, std::optional<char32_t> escape);

} // namespace orasql
