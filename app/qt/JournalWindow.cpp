// The dataset is opened before the window is shown, so a failing statement leaves no empty window.
#include "app/qt/JournalWindow.h"

#include "app/journal/JournalAmounts.h"

#include "grid/GridToolBar.h"
#include "grid/ToolGrid.h"

#include <QVBoxLayout>

TJournalWindow::TJournalWindow(QWidget* parent, const std::string& title, TOracleSession& session,
                               const TJournalStatement& statement)
    : QDialog(parent) {
    setObjectName("JournalWindow");
    setWindowTitle(QString::fromStdString(title));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(980, 520);
    DataSet.SetSession(&session);
    OpenJournalDataSet(DataSet, statement);
    ShowAmounts(DataSet);
    Grid = new TToolGrid(this);
    Grid->setObjectName("JournalGrid");
    Grid->SetDataSource(&FSource);
    Grid->SetAlign(TAlign::alClient);
    Grid->SetgridButtons(AllGridButtons & ~ButtonBit(TGridButton::gbZoom));
    Grid->SetShowHorzScrollBar(true);
    Grid->Loaded();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Grid);
}

TJournalWindow::~TJournalWindow() {
    // The grid is a child and outlives the members: it lets go of the data source first.
    Grid->SetDataSource(nullptr);
    GridToolBar().DetachFrom(*this);
}
