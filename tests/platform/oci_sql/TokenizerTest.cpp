// The tokenizer alone: token kinds, texts and offsets, comments, literals and its errors.
#include "platform/oci_sqlite/sql/Tokenizer.h"
#include "platform/oci_sqlite/sql/SqlScript.h"
#include "platform/oci_sqlite/sql/Translator.h"

#include <gtest/gtest.h>

using namespace orasql;

namespace {

std::string Kinds(const std::vector<Token>& tokens) {
    std::string out;
    for (const Token& t : tokens) {
        static const char* names[] = {"I", "Q", "N", "S", "B", "Y", "E"};
        out += names[static_cast<int>(t.kind)];
        out += t.kind == TokenKind::End ? "" : "(" + t.text + ") ";
    }
    return out;
}

} // namespace

TEST(Tokenizer, WordsAreUpperCasedQuotedNamesKeptAndOffsetsRecorded) {
    auto tokens = Tokenize("select a.Kol, \"Mixed\" from t");
    EXPECT_EQ(Kinds(tokens), "I(SELECT) I(A) Y(.) I(KOL) Y(,) Q(Mixed) I(FROM) I(T) E");
    EXPECT_EQ(tokens[3].offset, 9);
    EXPECT_EQ(tokens.back().offset, 28);
}

TEST(Tokenizer, LiteralsBindsAndOperators) {
    EXPECT_EQ(Kinds(Tokenize("x:=:v1||'it''s'<>1.5e3 .5 (+)")),
              "I(X) Y(:=) B(V1) Y(||) S(it's) Y(<>) N(1.5e3) N(.5) Y(() Y(+) Y()) E");
    EXPECT_EQ(Kinds(Tokenize("a>=b!=c^=d<=e")), "I(A) Y(>=) I(B) Y(!=) I(C) Y(^=) I(D) Y(<=) I(E) E");
}

// The words of row limits, TRIM forms and windows are no keywords to the tokenizer: they stay usable
// as names, and the parser reads them by context.
TEST(Tokenizer, NewerClauseWordsArePlainWords) {
    EXPECT_EQ(
        Kinds(Tokenize("fetch first 1 row only over(partition by \"Mixed\") trim(leading")),
        "I(FETCH) I(FIRST) N(1) I(ROW) I(ONLY) I(OVER) Y(() I(PARTITION) I(BY) Q(Mixed) Y()) I(TRIM) Y(() "
        "I(LEADING) E");
}

TEST(Tokenizer, CommentsAndHintsVanish) {
    EXPECT_EQ(Kinds(Tokenize("select /*+ index(t) */ 1 -- rest\n from dual")),
              "I(SELECT) N(1) I(FROM) I(DUAL) E");
}

TEST(Tokenizer, StringKeepsUtf8AndEmptyString) {
    auto tokens = Tokenize("'Šifra' ''");
    EXPECT_EQ(tokens[0].text, "Šifra");
    EXPECT_EQ(tokens[1].kind, TokenKind::String);
    EXPECT_EQ(tokens[1].text, "");
}

TEST(Tokenizer, ErrorsCarryOracleCodeAndOffset) {
    try {
        Tokenize("select 'abc from dual");
        FAIL();
    } catch (const OracleError& e) {
        EXPECT_EQ(e.code(), 1756);
        EXPECT_STREQ(e.what(), "ORA-01756: quoted string not properly terminated");
        EXPECT_EQ(e.offset(), 7);
    }
    try {
        Tokenize("select ? from dual");
        FAIL();
    } catch (const OracleError& e) {
        EXPECT_EQ(e.code(), 911);
        EXPECT_EQ(e.offset(), 7);
    }
    EXPECT_THROW(Tokenize("select \"abc from dual"), OracleError);
}

TEST(SqlScript, StatementsEndAtLineEndSemicolonsAndUnitsAtSlash) {
    const std::string script =
        "-- a comment\n\nCREATE TABLE t (a VARCHAR2(5));\nINSERT INTO t VALUES ('a;\nb');\n"
        "CREATE OR REPLACE PROCEDURE p AS\nBEGIN\n  NULL;\nEND;\n/\n"
        "begin p; end;\n/\nselect 1\n  from dual;\ncommit";
    EXPECT_EQ(SplitScript(script),
              (std::vector<std::string>{"CREATE TABLE t (a VARCHAR2(5))", "INSERT INTO t VALUES ('a;\nb')",
                                        "CREATE OR REPLACE PROCEDURE p AS\nBEGIN\n  NULL;\nEND;\n",
                                        "begin p; end;\n", "select 1\n  from dual", "commit\n"}));
}
