// Shared set-up of the layer's tests: a fresh engine database per test (user SCOTT / TIGER), the
// layer pointed at the engine through "OCIDLL=", and a recorder of the statements and commits the
// layer sends, made by wrapping entries of the binding table.
#pragma once

#include "oracle/Oracle.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace oracletest {

//! What the layer sent: statement texts as prepared, "commit" and "rollback"; fetch calls counted.
struct TSentLog {
    std::vector<std::string> Statements;
    int Fetches = 0;
    void Clear() {
        Statements.clear();
        Fetches = 0;
    }
};
TSentLog& Sent();

//! Points the layer at the engine, creates a database and records what is sent.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    //! Logs the session on as SCOTT / TIGER.
    void LogOn(TOracleSession& session);
    //! Runs statements through a query of the session.
    void Run(TOracleSession& session, const std::vector<std::string>& statements);
    //! The first column of a query's rows as text.
    std::vector<std::string> Column(TOracleSession& session, const std::string& sql);
    //! Wraps the binding table so that Sent() records; call after the library is loaded.
    void Record();

    std::string Database;
    std::string Folder;
    TOracleSession Session;
    TRecordingUi RecordingUi;

private:
    TScopedUi* FUiScope = nullptr;
};

//! Whether the suite runs through the client double (ORACLE_TEST_CLIENT=double) instead of the
//! engine itself.
bool UsingClientDouble();
//! The library the layer loads: the engine, or the double in front of it.
std::string ClientLibrary();

//! A fresh empty folder for one test.
std::string NewTestFolder(const std::string& name);
//! Sets the layer's command line to the program name plus the given arguments.
void UseArguments(const std::vector<std::string>& arguments);

} // namespace oracletest
