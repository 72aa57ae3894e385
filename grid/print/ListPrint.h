// List printing: the entry points the grid's print button calls, in this order: BeginPrint (the
// printer dialog; false when the user cancels it), PrintDataSet, EndPrint. One printout at a time
// per process; the page engine, the printer and the print window are process-wide.
#pragma once

#include "grid/print/PageEngine.h"
#include "grid/print/PrintMessageWindow.h"

#include <QFont>
#include <functional>
#include <string>

class QPrinter;

//! Runs the printer dialog and starts the document on the chosen printer (or PDF file). False,
//! with nothing started, when the dialog is cancelled; a printer that fails raises Exception.
bool BeginPrint(const std::string& title, const QFont& font);
//! Starts the document on a given printer without a dialog, drawing pages firstPage..lastPage.
void BeginPrintOn(QPrinter& printer, const std::string& title, const QFont& font, int firstPage = 1,
                  int lastPage = TPageEngine::AllPagesLast);
//! Prints the dataset into the document begun. Cancel ends it quietly (EAbort); another error
//! discards the document and is raised again. Either way the printout is over.
void PrintDataSet(const std::string& title, TDataSet& dataSet);
//! Finishes the document and returns the engine to idle; nothing when no printout is open.
void EndPrint();

//! The grid's print button: BeginPrint, then started() (the grid's notification), PrintDataSet and
//! EndPrint. Returns without printing when the dialog is cancelled.
void PrintGrid(const std::string& title, const QFont& font, TDataSet& dataSet,
               const std::function<void()>& started = {});

//! The process-wide page engine (for tests and the grouping form).
TPageEngine& PrintEngine();
//! The print window, created on first use and destroyed by EndPrint.
TPrintMessageWindow& PrintMessageWindow();
