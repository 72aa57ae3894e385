// Starting the user's editor on a file without waiting for it. The window reaches it through
// IEditorLauncher, so a test can see the command instead of starting an editor.
#pragma once

#include <string>
#include <vector>

class IEditorLauncher {
public:
    virtual ~IEditorLauncher() = default;
    //! Starts command (program first) detached; false when it could not be started, or when the
    //! desktop opener reported at once that it found nothing to open the file with.
    virtual bool Start(const std::vector<std::string>& command) = 0;
};

//! Starts the command as a detached process.
IEditorLauncher& DetachedEditorLauncher();
