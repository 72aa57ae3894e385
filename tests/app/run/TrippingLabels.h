// Recorded run labels that trip once the run shows a given progress text: the way tests stop, cancel
// or disturb a run at a chosen point.
#pragma once

#include "tests/app/AppFixture.h"

#include <functional>
#include <string>

namespace runtest {

class TTrippingLabels : public apptest::TRecordedLabels {
public:
    std::string At;
    std::function<void()> Trip;
    void ShowSporocilo(const std::string& text) override {
        TRecordedLabels::ShowSporocilo(text);
        if (text == At)
            Trip();
    }
};

} // namespace runtest
