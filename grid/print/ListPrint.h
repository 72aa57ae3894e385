// List printing: the grid's print button runs the printer dialog, then Qt's print preview, whose
// pages and whose printing both go through BeginPrintOn, PrintDataSet and EndPrint. One printout
// at a time per process; the page engine, the printer and the print window are process-wide. The
// printer keeps the user's orientation and fit-to-width from one session to the next.
#pragma once

#include "grid/print/PageEngine.h"
#include "grid/print/PrintMessageWindow.h"

#include <QFont>
#include <functional>
#include <string>

class QPrinter;

//! Starts the document on a given printer without a dialog, drawing pages firstPage..lastPage;
//! with fitTo, scaled so that its visible columns fit the page width. A printer that fails raises
//! Exception.
void BeginPrintOn(QPrinter& printer, const std::string& title, const QFont& font, int firstPage = 1,
                  int lastPage = TPageEngine::AllPagesLast, const TDataSet* fitTo = nullptr);
//! Prints the dataset into the document begun. Cancel ends it quietly (EAbort); another error
//! discards the document and is raised again. Either way the printout is over.
void PrintDataSet(const std::string& title, TDataSet& dataSet);
//! Finishes the document and returns the engine to idle; nothing when no printout is open.
void EndPrint();

//! The grid's print button: the printer dialog, then started() (the grid's notification) and the
//! preview, from which the user prints. Returns without printing when the dialog is cancelled.
void PrintGrid(const std::string& title, const QFont& font, TDataSet& dataSet,
               const std::function<void()>& started = {});

//! The process-wide page engine (for tests and the grouping form).
TPageEngine& PrintEngine();
//! The print window, created on first use and destroyed by EndPrint.
TPrintMessageWindow& PrintMessageWindow();
