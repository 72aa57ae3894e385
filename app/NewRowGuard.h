// A result row in the making: Append on entry, and Cancel when the writer leaves without posting,
// so a failed row never lingers in the dataset's edit buffer to be posted by a later navigation.
#pragma once

#include "platform/dataset/DataSet.h"

class TNewRowGuard {
public:
    explicit TNewRowGuard(TDataSet& dataSet) : FDataSet(dataSet) { FDataSet.Append(); }
    ~TNewRowGuard() {
        if (FPosted)
            return;
        try {
            FDataSet.Cancel();
        } catch (...) {
            // Already unwinding from the writer's own error, which is the one to report.
        }
    }
    TNewRowGuard(const TNewRowGuard&) = delete;
    TNewRowGuard& operator=(const TNewRowGuard&) = delete;

    void Post() {
        FDataSet.Post();
        FPosted = true;
    }

private:
    TDataSet& FDataSet;
    bool FPosted = false;
};
