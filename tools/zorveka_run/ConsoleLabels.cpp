// Progress lines are flushed at once, so that a scheduler's log shows how far a run has come even
// when it is stopped from outside.
#include "ConsoleLabels.h"

void TConsoleLabels::ShowSporocilo(const std::string& text) {
    out_ << text << std::endl;
}

void TConsoleLabels::SetStevec(const std::string& text) {
    sourceRows_ = std::stoll(text);
}

void TConsoleLabels::SetStevilo(const std::string& text) {
    gridRows_ = std::stoll(text);
}
