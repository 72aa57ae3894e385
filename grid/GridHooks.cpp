// The process-wide slots of the grid buttons.
#include "grid/GridHooks.h"

TGridActionEvent& GridActionHook() {
    static TGridActionEvent hook;
    return hook;
}

TZoomEvent& ZoomHandler() {
    static TZoomEvent handler;
    return handler;
}

TGridServices& GridServices() {
    static TGridServices services;
    return services;
}

void NotifyGridAction(TDataSet* dataSet, const std::string& action) {
    if (GridActionHook())
        GridActionHook()(dataSet, nullptr, action);
}
