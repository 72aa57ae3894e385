// Cuts a script into statements as they arrive: a SQL statement ends with ";" at the end of a line,
// a PL/SQL unit (BEGIN, DECLARE, CREATE [OR REPLACE] PROCEDURE) with a line holding only "/".
#pragma once

#include <istream>
#include <string>

class TScriptReader {
public:
    explicit TScriptReader(std::istream& input) : FInput(input) {}
    //! The next statement without its terminating ";" (a PL/SQL unit keeps its text whole); false
    //! at the end of the input. A statement left unterminated at the end is returned as well.
    bool Next(std::string& statement);

private:
    std::istream& FInput;
};

//! Whether a statement's text opens a PL/SQL unit, which only a "/" line ends.
bool IsPlsqlUnit(const std::string& text);
