// Cuts an Oracle SQL or PL/SQL text into tokens. Comments vanish here (hints included: the engine
// has no optimizer to steer); string literals keep their exact bytes with doubled quotes undone.
#include "platform/oci_sqlite/sql/Tokenizer.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <cctype>

namespace orasql {
namespace {

bool IsIdentStart(unsigned char c) {
    return std::isalpha(c) || c >= 0x80;
}
bool IsIdentPart(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c == '#' || c >= 0x80;
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

class Scanner {
public:
    explicit Scanner(std::string_view sql) : sql_(sql) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        for (;;) {
            SkipSpaceAndComments();
            if (pos_ >= sql_.size())
                break;
            tokens.push_back(Next());
        }
        tokens.push_back(Token{TokenKind::End, "", static_cast<int>(sql_.size())});
        return tokens;
    }

private:
    char At(size_t i) const { return i < sql_.size() ? sql_[i] : '\0'; }

    void SkipSpaceAndComments() {
        while (pos_ < sql_.size()) {
            if (std::isspace(static_cast<unsigned char>(sql_[pos_]))) {
                ++pos_;
            } else if (sql_[pos_] == '-' && At(pos_ + 1) == '-') {
                while (pos_ < sql_.size() && sql_[pos_] != '\n')
                    ++pos_;
            } else if (sql_[pos_] == '/' && At(pos_ + 1) == '*') {
                size_t end = sql_.find("*/", pos_ + 2);
                pos_ = end == std::string_view::npos ? sql_.size() : end + 2;
            } else {
                break;
            }
        }
    }

    Token Next() {
        const size_t start = pos_;
        const unsigned char c = static_cast<unsigned char>(sql_[pos_]);
        if (IsIdentStart(c))
            return Word(start);
        if (std::isdigit(c) || (c == '.' && std::isdigit(static_cast<unsigned char>(At(pos_ + 1)))))
            return NumberLiteral(start);
        if (c == '\'')
            return StringLiteral(start);
        if (c == '"')
            return QuotedName(start);
        if (c == ':' && At(pos_ + 1) != '=' && IsBindChar(At(pos_ + 1)))
            return BindName(start);
        return SymbolToken(start);
    }

    static bool IsBindChar(char c) { return IsIdentPart(static_cast<unsigned char>(c)); }

    Token Word(size_t start) {
        while (pos_ < sql_.size() && IsIdentPart(static_cast<unsigned char>(sql_[pos_])))
            ++pos_;
        return Token{TokenKind::Identifier, Upper(sql_.substr(start, pos_ - start)), static_cast<int>(start)};
    }

    Token NumberLiteral(size_t start) {
        auto digits = [&] {
            while (std::isdigit(static_cast<unsigned char>(At(pos_))))
                ++pos_;
        };
        digits();
        if (At(pos_) == '.' && At(pos_ + 1) != '.') {
            ++pos_;
            digits();
        }
        if ((At(pos_) == 'e' || At(pos_) == 'E') &&
            (std::isdigit(static_cast<unsigned char>(At(pos_ + 1))) ||
             ((At(pos_ + 1) == '+' || At(pos_ + 1) == '-') &&
              std::isdigit(static_cast<unsigned char>(At(pos_ + 2)))))) {
            pos_ += 2;
            digits();
        }
        return Token{TokenKind::Number, std::string(sql_.substr(start, pos_ - start)),
                     static_cast<int>(start)};
    }

    Token StringLiteral(size_t start) {
        std::string value;
        ++pos_;
        for (;;) {
            if (pos_ >= sql_.size())
                throw OracleError(1756, "ORA-01756: quoted string not properly terminated",
                                  static_cast<int>(start));
            if (sql_[pos_] == '\'') {
                if (At(pos_ + 1) != '\'')
                    break;
                ++pos_;
            }
            value += sql_[pos_++];
        }
        ++pos_;
        return Token{TokenKind::String, value, static_cast<int>(start)};
    }

    Token QuotedName(size_t start) {
        size_t end = sql_.find('"', pos_ + 1);
        if (end == std::string_view::npos)
            throw OracleError(1740, "ORA-01740: missing double quote in identifier", static_cast<int>(start));
        if (end == pos_ + 1)
            throw OracleError(1741, "ORA-01741: illegal zero-length identifier", static_cast<int>(start));
        Token t{TokenKind::QuotedIdentifier, std::string(sql_.substr(pos_ + 1, end - pos_ - 1)),
                static_cast<int>(start)};
        pos_ = end + 1;
        return t;
    }

    Token BindName(size_t start) {
        ++pos_;
        const size_t nameStart = pos_;
        while (pos_ < sql_.size() && IsBindChar(sql_[pos_]))
            ++pos_;
        return Token{TokenKind::Bind, Upper(sql_.substr(nameStart, pos_ - nameStart)),
                     static_cast<int>(start)};
    }

    Token SymbolToken(size_t start) {
        static constexpr std::string_view kTwoChar[] = {"||", "<>", "!=", "^=", "<=", ">=", ":=", "=>", ".."};
        for (std::string_view two : kTwoChar) {
            if (sql_.substr(pos_, 2) == two) {
                pos_ += 2;
                return Token{TokenKind::Symbol, std::string(two), static_cast<int>(start)};
            }
        }
        static constexpr std::string_view kOneChar = "()+-*/,.;=<>%@";
        if (kOneChar.find(sql_[pos_]) == std::string_view::npos)
            throw OracleError(911, "ORA-00911: invalid character", static_cast<int>(start));
        ++pos_;
        return Token{TokenKind::Symbol, std::string(1, sql_[start]), static_cast<int>(start)};
    }

    std::string_view sql_;
    size_t pos_ = 0;
};

} // namespace

std::vector<Token> Tokenize(std::string_view sql) {
    return Scanner(sql).Run();
}

} // namespace orasql
