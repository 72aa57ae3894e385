// The message guard of LookupCycle.h, a template so each lookup keeps its own result type.
#pragma once

#include "platform/ui/UserInterface.h"

template <typename TStep> auto Reported(const std::string& message, TStep&& step) -> decltype(step()) {
    try {
        return step();
    } catch (...) {
        if (!message.empty())
            Ui().ShowMessage(message);
        throw;
    }
}
