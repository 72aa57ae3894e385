// Connects the grids' print, print-group and export buttons to the list printing, the grouping
// form and the export. Installed once at start-up by the program, beside the graph button.
#pragma once

//! Installs list printing, the grouping form and the export as the grids' services.
void InstallPrintButtons();
