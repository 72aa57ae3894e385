// A result row in the making: Append on entry and Cancel on leaving, so a row never lingers in the
// dataset's edit buffer to be posted by a later navigation. Its values are taken before and sent
// with others in a block.
#pragma once

#include "platform/dataset/DataSet.h"

class TNewRowGuard {
public:
    explicit TNewRowGuard(TDataSet& dataSet) : FDataSet(dataSet) { FDataSet.Append(); }
    ~TNewRowGuard() {
        try {
            FDataSet.Cancel();
        } catch (...) {
            // Already unwinding from the writer's own error, which is the one to report.
        }
    }
    TNewRowGuard(const TNewRowGuard&) = delete;
    TNewRowGuard& operator=(const TNewRowGuard&) = delete;

private:
    TDataSet& FDataSet;
};
