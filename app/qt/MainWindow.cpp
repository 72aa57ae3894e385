// The main window's components: their layout, captions and colours, and the run's labels over
// them. The handlers live in MainWindowStartup.cpp and MainWindowActions.cpp.
#include "app/qt/MainWindow.h"

#include <cctype>

#include "app/qt/JournalWindow.h"
#include "app/qt/ProgramVersion.h"
#include "app/qt/RadioGroup.h"
#include "grid/GridToolBar.h"
#include "grid/ToolGrid.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor kNavy(0, 0, 128);

template <typename T, typename... Args> T* Named(const char* name, Args&&... args) {
    T* widget = new T(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

QWidget* Panel(const char* name, QWidget* parent) {
    auto* panel = Named<QWidget>(name, parent);
    panel->setAutoFillBackground(true);
    return panel;
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void MakeBold(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TMainWindow::TMainWindow(std::vector<std::string> commandLine, IEditorLauncher& editor)
    : FCommandLine(std::move(commandLine)), FEditor(editor) {
    setObjectName("Form1");
    setWindowTitle(Text(FContext.ProgramName));
    resize(1024, 680);
    FitToScreen();
    auto* client = new QWidget(this);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kNavy);
    palette.setColor(QPalette::WindowText, Qt::white);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    CreateRunPanel();
    CreateGrids();
    CreateStatusPanel();
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel3);
    layout->addWidget(Panel1, 1);
    layout->addWidget(pnlObliam);
    layout->addWidget(Panel2);
    CreateMenu();
    FContext.Labels = this;
    FormCreate();
}

TMainWindow::~TMainWindow() {
    // The journal's windows hold datasets on the data module's session: they go while it lives.
    qDeleteAll(findChildren<TJournalWindow*>(Qt::FindDirectChildrenOnly));
    // The data module goes before the child widgets: the grids let go of its data sources first.
    DBGrid1->SetDataSource(nullptr);
    DbGrid2->SetDataSource(nullptr);
    // The shared grid buttons belong to no window and must survive this one's children.
    GridToolBar().DetachFrom(*this);
}

void TMainWindow::CreateRunPanel() {
    Panel3 = Panel("Panel3", centralWidget());
    Label4 = Named<QLabel>("Label4", "DAN", Panel3);
    eDan = Named<QDateEdit>("eDan", Panel3);
    eDan->setCalendarPopup(true);
    eDan->setDisplayFormat("dd.MM.yyyy");
    btnPredogled = Named<QPushButton>("btnPredogled", "&Predogled", Panel3);
    btnStart = Named<QPushButton>("btnStart", "&Start prenosa", Panel3);
    lblStevilo = Named<QLabel>("lblStevilo", "-----------", Panel3);
    lblStevilo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblStevilo->setMinimumWidth(90);
    lblStevec = Named<QLabel>("lblStevec", "--------", Panel3);
    SetTextColour(*lblStevec, Qt::white);
    lblKorak = Named<QLabel>("lblKorak", Panel3);
    SetTextColour(*lblKorak, Qt::yellow);
    MakeBold(*lblKorak);
    lblKorak->hide(); // the valuation writes step names into it; nothing shows it
    rgRiskType = Named<TRadioGroup>(
        "rgRiskType",
        QStringList{"Obrestno tveganje", "Likvidnostno tveganje (VAR)", "Simulacija količnikov likvidnosti"},
        Panel3);
    rgRiskType->SetItemIndex(1);

    auto* row = new QHBoxLayout(Panel3);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(10);
    // The two counts stand side by side; each says what it counts.
    auto* shown = new QLabel("v gridu:", Panel3);
    auto* read = new QLabel("izvornih:", Panel3);
    SetTextColour(*read, Qt::white);
    lblStevilo->setToolTip("Vrstice izbranega dne v gridu");
    lblStevec->setToolTip("Izvorne vrstice zadnjega prenosa");
    for (QWidget* widget : std::initializer_list<QWidget*>{Label4, eDan, btnPredogled, btnStart, shown,
                                                           lblStevilo, read, lblStevec, lblKorak})
        row->addWidget(widget);
    row->addStretch(1);
    row->addWidget(rgRiskType);
}

void TMainWindow::CreateGrids() {
    Panel1 = Panel("Panel1", centralWidget());
    DBGrid1 = Named<TToolGrid>("DBGrid1", Panel1);
    DBGrid1->SetDataSource(&FDM.DataSource1);
    pnlObliam = Panel("pnlObliam", centralWidget());
    pnlObliam->setFixedHeight(200);
    DbGrid2 = Named<TToolGrid>("DbGrid2", pnlObliam);
    DbGrid2->SetDataSource(&FDM.dsObliam);
    for (TToolGrid* grid : {DBGrid1, DbGrid2}) {
        grid->SetAlign(TAlign::alClient);
        grid->SetgridButtons(AllGridButtons & ~ButtonBit(TGridButton::gbZoom));
        grid->SetShowHorzScrollBar(true);
        grid->Loaded();
    }
    pnlObliam->hide();
}

void TMainWindow::FitToScreen() {
    // A large scale factor or a small screen: the whole window stays reachable, its frame included.
    const QRect room = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(size().boundedTo(room.size() - frame));
    move(room.topLeft() +
         QPoint(std::max(0, (room.width() - width()) / 2), std::max(0, (room.height() - height()) / 2)));
}

void TMainWindow::CreateStatusPanel() {
    Panel2 = Panel("Panel2", centralWidget());
    pnlLogo = Panel("pnlLogo", Panel2);
    lblBaza = Named<QLabel>("lblBaza", "--------", pnlLogo);
    Label1 = Named<QLabel>("Label1", Text(VersionLabel()), pnlLogo);
    auto* logo = new QVBoxLayout(pnlLogo);
    logo->setContentsMargins(0, 0, 0, 0);
    logo->addWidget(lblBaza);
    logo->addWidget(Label1);
    lblSporocilo = Named<QLabel>("lblSporocilo", "PREPIS V IZVAJANJU ...", Panel2);
    lblSporocilo->setAlignment(Qt::AlignCenter);
    SetTextColour(*lblSporocilo, Qt::red);
    MakeBold(*lblSporocilo);
    QSizePolicy keepPlace = lblSporocilo->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // Izhod stays at the right edge, its size unchanged
    lblSporocilo->setSizePolicy(keepPlace);
    lblSporocilo->hide();
    btnIzhod = Named<QPushButton>("btnIzhod", "Izhod", Panel2);
    btnIzhod->setMinimumSize(90, 34);
    CreateRunProgress();

    auto* row = new QHBoxLayout(Panel2);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(pnlLogo);
    row->addWidget(lblSporocilo, 1);
    row->addWidget(pbPrenos);
    row->addWidget(btnPreklici);
    row->addWidget(btnIzhod);
}

void TMainWindow::CreateRunProgress() {
    // Beside the run's message while it lasts: its step, the time so far and a way to cancel it.
    pbPrenos = Named<QProgressBar>("pbPrenos", Panel2);
    pbPrenos->setMinimumWidth(260);
    pbPrenos->setTextVisible(true);
    pbPrenos->hide();
    btnPreklici = Named<QPushButton>("btnPreklici", QString::fromUtf8("Prekliči"), Panel2);
    btnPreklici->hide();
    connect(btnPreklici, &QPushButton::clicked, this, [this] { FContext.CancelRequested = FBusy; });
}

void TMainWindow::ShowRunProgress(const std::string& step) {
    // A step's text that starts "done / expected" fills the bar that far; a bar without a range
    // would show no text at all.
    static const QRegularExpression counted(R"(^\s*(\d+)\s*/\s*(\d+))");
    const QRegularExpressionMatch count = counted.match(Text(step));
    const int expected = count.hasMatch() ? std::max(1, count.captured(2).toInt()) : 1;
    pbPrenos->setRange(0, expected);
    pbPrenos->setValue(count.hasMatch() ? std::min(count.captured(1).toInt(), expected) : 0);
    const qint64 seconds = FRunTime.isValid() ? FRunTime.elapsed() / 1000 : 0;
    pbPrenos->setFormat(Text(step) +
                        QString(" %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0')));
    pbPrenos->show();
    btnPreklici->show();
}

void TMainWindow::CreateMenu() {
    menuBar()->setObjectName("MainMenu2");
    Nastavitve1 = menuBar()->addMenu("Nastavitve");
    Nastavitve1->setObjectName("Nastavitve1");
    ReferentVIni1 = Nastavitve1->addAction("ReferentVIniDatoteki");
    ReferentVIni1->setObjectName("ReferentVIni1");
    Prijava1 = Nastavitve1->addAction("Prijava");
    Prijava1->setObjectName("Prijava1");
    Dnevnik1 = menuBar()->addMenu("Dnevnik");
    Dnevnik1->setObjectName("Dnevnik1");
    DnevnikPrenosov1 = Dnevnik1->addAction("Dnevnik prenosov");
    DnevnikPrenosov1->setObjectName("DnevnikPrenosov1");
    Usklajevanje1 = Dnevnik1->addAction("Usklajevanje prenosa");
    Usklajevanje1->setObjectName("Usklajevanje1");
    PrimerjavaDni1 = Dnevnik1->addAction("Primerjava z dnem ...");
    PrimerjavaDni1->setObjectName("PrimerjavaDni1");
    PrimerjavaArhiv1 = Dnevnik1->addAction("Primerjava z arhivom");
    PrimerjavaArhiv1->setObjectName("PrimerjavaArhiv1");
    Podatki1 = menuBar()->addMenu("Podatki");
    Podatki1->setObjectName("Podatki1");
    PreveriPodatke1 = Podatki1->addAction("Preveri podatke");
    PreveriPodatke1->setObjectName("PreveriPodatke1");
}

// A run shows a count for every row; drawn each time, the drawing alone cost the window six times
// the run (20,000 positions: 23 s against 3.7 s without a window). A step's first count and any
// other text are drawn at once, further counts ten times a second.
bool TMainWindow::DrawsNow(const std::string& text) {
    const bool count = !text.empty() && std::isdigit(static_cast<unsigned char>(text.front())) &&
                       text.find(" / ") != std::string::npos;
    const bool draw = !count || !FLastWasCount || !FCountDrawn.isValid() || FCountDrawn.elapsed() >= 100;
    FLastWasCount = count;
    if (draw && count)
        FCountDrawn.restart();
    return draw;
}

void TMainWindow::ShowSporocilo(const std::string& text) {
    // A cancel asked for before the run cleared its flag still holds at this step.
    if (FExitAfterRun)
        FContext.CancelRequested = true;
    if (!DrawsNow(text))
        return;
    lblSporocilo->setText(Text(text));
    lblSporocilo->show();
    if (FBusy)
        ShowRunProgress(text);
}

void TMainWindow::HideSporocilo() {
    lblSporocilo->hide();
}

void TMainWindow::SetStevec(const std::string& text) {
    lblStevec->setText(Text(text));
}

void TMainWindow::SetStevilo(const std::string& text) {
    lblStevilo->setText(Text(text));
}

void TMainWindow::SetKorak(const std::string& step) {
    lblKorak->setText(Text(step));
}

void TMainWindow::SetGridSource(TDataSource& source) {
    DBGrid1->SetDataSource(&source);
}
