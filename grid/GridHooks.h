// The process-wide slots the grid buttons call out through: the action notification, the zoom
// handler, and the services the printing, grouping, chart and export issues install. An empty
// slot means the action does nothing.
#pragma once

#include <functional>
#include <string>

class TDataSet;
class TDataSource;
class TToolGrid;

//! (dataset, always nullptr, action code "P", "G" or "E").
using TGridActionEvent = std::function<void(TDataSet* dataSet, void* unused, const std::string& action)>;
//! (master data source or nullptr, dataset).
using TZoomEvent = std::function<void(TDataSource* master, TDataSet* dataSet)>;
//! A service run for a grid.
using TGridService = std::function<void(TToolGrid& grid)>;

struct TGridServices {
    TGridService PrintList;   //!< the built-in list printing; notifies "P" once its range dialog passed
    TGridService PrintGroups; //!< the grouping form
    TGridService Graph;       //!< the chart window
    TGridService Export;      //!< the export to a file
};

TGridActionEvent& GridActionHook();
TZoomEvent& ZoomHandler();
TGridServices& GridServices();
//! Calls GridActionHook when set.
void NotifyGridAction(TDataSet* dataSet, const std::string& action);
