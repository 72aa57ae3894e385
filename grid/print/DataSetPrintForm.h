// The grouping form ("Izpis z grupiranjem in vsotami") and the grid's print-group and export entry points:
// the settings page arranges group and summary columns over the temporary copy, "Sortiranje" and "Grupiranje"
// run the local queries, and the result pages show them in tool grids that print or copy them under the
// form's title. One form per process, created on first use and kept.
#pragma once

#include "grid/print/GroupReport.h"
#include "platform/dataset/DataSource.h"

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;
class TToolGrid;
class TGroupColumnCells;

class TDataSetPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TDataSetPrintForm(QWidget* parent = nullptr);

    //! Copies nothing yet: defines the temporary table for dataset and shows the settings page.
    void Prepare(TDataSet& dataSet);
    void SetTitle(const std::string& text);
    std::string Title() const;
    void AutoSetup();

    void btnSortClick();
    void btnGroupClick();

    TGroupReport& Report() { return FReport; }

    QPlainTextEdit* title;
    QTabWidget* tabs;
    QWidget* tabSettings;
    QWidget* tabSort;
    QWidget* tabGroup;
    QTableWidget* dbgTemp;
    QListWidget* lbGroup;
    QLineEdit* eLine;
    QListWidget* lbSum;
    QCheckBox* cbShowSumOp;
    QPushButton* btnSort;
    QPushButton* btnGroup;
    TToolGrid* dbgQ;
    TToolGrid* dbgQG;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void ShowColumns();
    void ShowLists();
    void TitleClicked(int column);
    void ColumnMoved(int fromVisual, int toVisual);

    TGroupReport FReport;
    TDataSource dsQ;
    TDataSource dsQG;
    TGroupColumnCells* FGroupCells;
};

//! The process's grouping form, created on first use.
TDataSetPrintForm& DataSetPrintForm();
//! The grid's print-group button: prepares the form for dataset, titles it, applies the default
//! choice and shows it (not modal).
void PrintGridGrouped(TDataSet& dataSet, const std::string& title);
//! The grid's export button: asks for the file and writes the dataset in the format of the chosen
//! filter (dBase, Paradox or fixed-length text); nothing when the dialog is cancelled.
void ExportDataSet(TDataSet& dataSet);
