// A tool grid of its own window over one of the journal's statements: the run journal, a run's
// reconciliation or the comparison of two days. The grid's buttons (locate, sort, print, grouped
// print, chart, export, ...) work on it as on the main grid; the window owns its dataset and goes
// when closed.
#pragma once

#include "app/journal/JournalStatements.h"
#include "oracle/OracleData.h"
#include "platform/dataset/DataSource.h"

#include <QDialog>
#include <string>

class TToolGrid;

class TJournalWindow : public QDialog {
    Q_OBJECT
public:
    //! Opens the statement on session; raises as the dataset does, before anything is shown.
    TJournalWindow(QWidget* parent, const std::string& title, TOracleSession& session,
                   const TJournalStatement& statement);
    ~TJournalWindow() override;

    TToolGrid* Grid;
    TOracleDataSet DataSet{"QDnevnik"};

private:
    TDataSource FSource{&DataSet};
};
