// What the main window remembers of the user's last session: its size and place, and the risk
// type chosen last. The program restores it at start and keeps it at the end; tests build the
// window without it, so no user's file changes what they see.
#pragma once

class TMainWindow;

void RestoreWindow(TMainWindow& window);
void RememberWindow(const TMainWindow& window);
