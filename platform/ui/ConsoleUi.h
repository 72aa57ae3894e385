// The user interface of the console tools and the default before a program installs its own:
// messages and progress titles go to stderr, questions are answered No, there is no Cancel.
#pragma once

#include "platform/ui/UserInterface.h"

#include <ostream>

class TConsoleProgress : public IProgress {
public:
    explicit TConsoleProgress(std::ostream& out) : out_(out) {}
    void Start(const std::string& title, int maximum) override;
    void Step() override {}
    void Stop() override {}

private:
    std::ostream& out_;
};

class TConsoleUi : public IUserInterface {
public:
    // out defaults to std::cerr; tests pass a stream of their own.
    TConsoleUi();
    explicit TConsoleUi(std::ostream& out);

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    void ProcessMessages() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    IProgress& Progress() override { return progress_; }

private:
    std::ostream& out_;
    TConsoleProgress progress_;
};
