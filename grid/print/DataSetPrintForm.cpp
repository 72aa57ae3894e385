// The grouping form's widgets; the work is TGroupReport's.
#include "grid/print/DataSetPrintForm.h"

#include "grid/ToolGrid.h"
#include "grid/print/GroupColumnCells.h"
#include "platform/localdb/export/DataSetExport.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/UiGuards.h"
#include "platform/ui_qt/UserSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const ExportFolderKey = "izvoz/mapa";
const QStringList ExportFilters{"DBase (*.dbf)", "Paradox (*.db)", "Text fixed length (*.txt)", "CSV (*.csv)",
                                "Excel (*.xlsx)"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void FillList(QListWidget* list, const std::vector<std::string>& captions) {
    list->clear();
    for (const std::string& caption : captions)
        list->addItem(Q(caption));
}

// A report is browsed, printed, charted and copied; it is not re-sorted, re-grouped or exported.
constexpr TGridButtons ResultButtons =
    ButtonBit(TGridButton::gbLocate) | ButtonBit(TGridButton::gbPrint) | ButtonBit(TGridButton::gbGraph) |
    ButtonBit(TGridButton::gbTitleWordWrap) | ButtonBit(TGridButton::gbCopyToClip);

// A result page: a tool grid over source filling the page; the group page also shows the row
// indicator.
TToolGrid* ResultGrid(QWidget* page, TDataSource& source, bool rowIndicator) {
    auto* grid = new TToolGrid(page);
    grid->SetDataSource(&source);
    grid->SetgridButtons(ResultButtons);
    grid->setTabKeyNavigation(true);
    grid->verticalHeader()->setVisible(rowIndicator);
    // ScrollBars stays at both: the horizontal bar the form wants and the vertical one a long
    // report needs (setting ShowHorzScrollBar would drop the latter).
    grid->Loaded();
    grid->SetAlign(TAlign::alClient);
    return grid;
}

// Keeps a widget and its children disabled for a scope, exceptions included.
class TDisabledScope {
public:
    explicit TDisabledScope(QWidget* widget) : FWidget(widget), FWasEnabled(widget->isEnabled()) {
        widget->setEnabled(false);
    }
    ~TDisabledScope() {
        if (FWidget)
            FWidget->setEnabled(FWasEnabled);
    }
    TDisabledScope(const TDisabledScope&) = delete;
    TDisabledScope& operator=(const TDisabledScope&) = delete;

private:
    QPointer<QWidget> FWidget;
    bool FWasEnabled;
};

} // namespace

TDataSetPrintForm::TDataSetPrintForm(QWidget* parent)
    : QDialog(parent), title(new QPlainTextEdit), tabs(new QTabWidget), tabSettings(new QWidget),
      tabSort(nullptr), tabGroup(nullptr), dbgTemp(new QTableWidget), lbGroup(new QListWidget),
      eLine(new QLineEdit), lbSum(new QListWidget), cbShowSumOp(new QCheckBox("Pokaži sumarni operator")),
      btnSort(new QPushButton("Sortiranje")), btnGroup(new QPushButton("Grupiranje")), dbgQ(nullptr),
      dbgQG(nullptr), dsQ(&FReport.Sorted()), dsQG(&FReport.Grouped()), FGroupCells(nullptr) {
    setWindowTitle("Izpis z grupiranjem in vsotami");
    title->setMaximumHeight(60);
    resize(760, 480);
    dbgTemp->horizontalHeader()->setSectionsMovable(true);
    dbgTemp->verticalHeader()->hide();
    eLine->setText(Q(FReport.TotalMarker()));

    // Laid out to grow: the lists take the room, the marker and the buttons keep their size.
    auto* groups = new QVBoxLayout;
    groups->addWidget(new QLabel("Sortiranje / grupiranje po :"));
    groups->addWidget(lbGroup, 1);
    auto* sums = new QVBoxLayout;
    sums->addWidget(new QLabel("Sumarna polja pri grupiranju :"));
    sums->addWidget(lbSum, 1);
    auto* marker = new QVBoxLayout;
    marker->addWidget(new QLabel("Oznaka za skupaj :"));
    marker->addWidget(eLine);
    marker->addWidget(cbShowSumOp);
    marker->addStretch(1);
    marker->addWidget(btnSort);
    marker->addWidget(btnGroup);
    auto* lists = new QHBoxLayout;
    lists->addLayout(groups, 1);
    lists->addLayout(sums, 1);
    lists->addLayout(marker, 0);
    auto* settings = new QVBoxLayout(tabSettings);
    settings->addWidget(dbgTemp);
    settings->addLayout(lists, 1);

    tabSort = new QWidget;
    tabGroup = new QWidget;
    dbgQ = ResultGrid(tabSort, dsQ, false);
    dbgQG = ResultGrid(tabGroup, dsQG, true);
    FGroupCells = new TGroupColumnCells(*dbgQG);
    tabs->addTab(tabSettings, "Nastavitve");
    tabs->addTab(tabSort, "Sortiranje");
    tabs->addTab(tabGroup, "Grupiranje");
    tabs->setTabVisible(1, false);
    tabs->setTabVisible(2, false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(tabs);

    // The result grids print and copy under the form's title.
    connect(title, &QPlainTextEdit::textChanged, this, [this] {
        dbgQ->SetlabelText(Title());
        dbgQG->SetlabelText(Title());
    });
    connect(dbgTemp->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int logical) { TitleClicked(dbgTemp->horizontalHeader()->visualIndex(logical)); });
    connect(dbgTemp->horizontalHeader(), &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { ColumnMoved(from, to); });
    connect(lbGroup, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        FReport.Settings().ToggleSubtotal(lbGroup->row(item));
        ShowLists();
    });
    connect(lbSum, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        FReport.Settings().CycleAggregate(lbSum->row(item));
        ShowLists();
    });
    connect(cbShowSumOp, &QCheckBox::toggled, this, [this](bool on) {
        FReport.Settings().SetShowSumOp(on);
        ShowLists();
    });
    connect(eLine, &QLineEdit::textChanged, this,
            [this](const QString& text) { FReport.TotalMarker() = text.toStdString(); });
    connect(btnSort, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnSortClick(); }); });
    connect(btnGroup, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnGroupClick(); }); });
}

void TDataSetPrintForm::Prepare(TDataSet& dataSet) {
    FReport.Prepare(dataSet);
    const QSignalBlocker blocker(cbShowSumOp);
    cbShowSumOp->setChecked(true);
    ShowColumns();
    ShowLists();
    tabs->setCurrentWidget(tabSettings);
}

void TDataSetPrintForm::SetTitle(const std::string& text) {
    title->setPlainText(Q(text));
}

std::string TDataSetPrintForm::Title() const {
    return title->toPlainText().toStdString();
}

void TDataSetPrintForm::AutoSetup() {
    FReport.AutoSetup();
    ShowColumns();
    ShowLists();
}

void TDataSetPrintForm::ShowColumns() {
    const QSignalBlocker blocker(dbgTemp->horizontalHeader());
    TDataSet& temp = FReport.Temp();
    dbgTemp->clear();
    dbgTemp->setRowCount(0);
    dbgTemp->setColumnCount(temp.FieldCount());
    for (int i = 0; i < temp.FieldCount(); ++i)
        dbgTemp->setHorizontalHeaderItem(i, new QTableWidgetItem(Q(temp.Fields(i).DisplayLabel())));
    // The titles and, for many columns, the scroll bar under them.
    dbgTemp->setFixedHeight(dbgTemp->horizontalHeader()->sizeHint().height() +
                            dbgTemp->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                            2 * dbgTemp->frameWidth());
}

void TDataSetPrintForm::ShowLists() {
    FillList(lbGroup, FReport.Settings().GroupCaptions());
    FillList(lbSum, FReport.Settings().SumCaptions());
}

void TDataSetPrintForm::TitleClicked(int column) {
    FReport.Settings().TitleClick(FReport.Temp(), column);
    ShowColumns();
    ShowLists();
}

void TDataSetPrintForm::ColumnMoved(int fromVisual, int toVisual) {
    TDataSet& temp = FReport.Temp();
    temp.Fields(fromVisual).SetIndex(SettledColumnIndex(fromVisual, toVisual));
    // The header's own move is undone: the field order is the arrangement.
    const QSignalBlocker blocker(dbgTemp->horizontalHeader());
    dbgTemp->horizontalHeader()->moveSection(toVisual, fromVisual);
    ShowColumns();
}

void TDataSetPrintForm::btnSortClick() {
    const TDisabledScope settings(tabSettings);
    FReport.RunSortQuery();
    tabs->setCurrentWidget(tabSort);
}

void TDataSetPrintForm::btnGroupClick() {
    const TDisabledScope settings(tabSettings);
    FReport.RunGroupQuery();
    FGroupCells->MarkGroupColumns(static_cast<int>(FReport.Settings().Groups().size()));
    tabs->setCurrentWidget(tabGroup);
}

void TDataSetPrintForm::hideEvent(QHideEvent* event) {
    // Minimising hides the window too; the report stays until the form is closed or prepared anew.
    if (!event->spontaneous() && !isMinimized())
        FReport.Discard();
    QDialog::hideEvent(event);
}

namespace {

// Kept until the process ends, never deleted after the application object is gone.
TDataSetPrintForm* TheForm = nullptr;

// A grouped report's subtotals and total are set apart in the file; other grids have none.
TTotalRowTest TotalRowsOf(const TDataSet& dataSet) {
    if (!TheForm)
        return {};
    TGroupReport& report = TheForm->Report();
    if (&dataSet != &report.Sorted() && &dataSet != &report.Grouped())
        return {};
    return [&report](const TDataSet& result) { return report.IsTotalRow(result); };
}

} // namespace

TDataSetPrintForm& DataSetPrintForm() {
    if (!TheForm)
        TheForm = new TDataSetPrintForm();
    return *TheForm;
}

void PrintGridGrouped(TDataSet& dataSet, const std::string& title) {
    TWaitCursor cursor;
    TDataSetPrintForm& form = DataSetPrintForm();
    form.Prepare(dataSet);
    form.SetTitle(title);
    form.AutoSetup();
    form.show();
}

void ExportDataSet(TDataSet& dataSet) {
    QFileDialog saveDlg(QApplication::activeWindow(), "Izvoz v datoteko");
    saveDlg.setAcceptMode(QFileDialog::AcceptSave);
    saveDlg.setNameFilters(ExportFilters);
    saveDlg.setOption(QFileDialog::ReadOnly, false);
    // The overwrite question comes once the suffix is on the name (MayWriteExportFile).
    saveDlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QString folder = UserSettings().value(ExportFolderKey).toString();
    if (!folder.isEmpty())
        saveDlg.setDirectory(folder);
    if (saveDlg.exec() != QDialog::Accepted || saveDlg.selectedFiles().isEmpty())
        return;
    UserSettings().setValue(ExportFolderKey, saveDlg.directory().absolutePath());
    const TExportFormat format =
        ExportFormatOfFilter(static_cast<int>(ExportFilters.indexOf(saveDlg.selectedNameFilter())) + 1);
    const std::string file = ExportFileName(saveDlg.selectedFiles().first().toStdString(), format);
    if (MayWriteExportFile(file))
        ExportDataSetToFile(dataSet, file, format, TotalRowsOf(dataSet));
}
