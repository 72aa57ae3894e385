// Connects the grids' graph button to the chart window: once installed, the button charts the
// grid's dataset with the field of its first displayed column as categories and of its second
// as values. Installed once at start-up by the program.
#pragma once

//! Installs the chart window as the grids' graph service.
void InstallGraphButton();
