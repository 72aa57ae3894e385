// The chart window; see Graph.h.
#include "grid/chart/Graph.h"

#include "grid/ToolGrid.h"
#include "grid/chart/AxisDialog.h"
#include "grid/chart/AxisFields.h"
#include "grid/chart/ChartWidget.h"
#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSource.h"
#include "platform/settings/Exceptions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The toolbar picture: 16 x 16 frames for the axis choice, the bar gap, printing and copying.
QPixmap ToolPicture() {
    QPixmap picture(64, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0, 0, 128), 1.5));
    painter.drawLine(QPointF(3, 2), QPointF(3, 13));
    painter.drawLine(QPointF(3, 13), QPointF(14, 13));
    painter.drawLine(QPointF(1, 4), QPointF(3, 2));
    painter.drawLine(QPointF(5, 4), QPointF(3, 2));
    painter.drawLine(QPointF(12, 11), QPointF(14, 13));
    painter.drawLine(QPointF(12, 15), QPointF(14, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 110, 190));
    painter.drawRect(QRectF(18, 6, 3, 8));
    painter.drawRect(QRectF(24, 3, 3, 11));
    painter.drawRect(QRectF(29, 8, 2, 6));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.drawRect(QRectF(35.5, 1.5, 9, 5)); // a sheet in a printer
    painter.drawRect(QRectF(33.5, 6.5, 13, 6));
    painter.drawRect(QRectF(35.5, 10.5, 9, 4));
    painter.drawRect(QRectF(49.5, 1.5, 8, 10)); // two sheets
    painter.drawRect(QRectF(53.5, 4.5, 8, 10));
    return picture;
}

std::string DisplayLabelOf(const TDataSet& dataSet, const std::string& name) {
    return dataSet.FieldByName(name).DisplayLabel();
}

// The dataset a chart can load from: there, and open.
TDataSet* OpenDataSet(const TChartWidget& chart) {
    TDataSet* dataSet = chart.dataSource() ? chart.dataSource()->DataSet() : nullptr;
    return dataSet && dataSet->Active() ? dataSet : nullptr;
}

} // namespace

Tgraf::Tgraf(QWidget* parent) : QDialog(parent), Fchart(new TChartWidget(this)), FimgTool(ToolPicture()) {
    setWindowTitle("graf");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Fchart);
    Fchart->SetTBBitmap(FimgTool);
    SetToolbar();
    connect(Fchart, &TChartWidget::UserCommand, this, &Tgraf::Command);
}

void Tgraf::SetToolbar() {
    Fchart->SetToolbarSlot(24, {6, KindSeparator, 1});
    Fchart->SetToolbarSlot(25, {CommandChooseAxes, KindButton, 1, "Izbira osi"});
    Fchart->SetToolbarSlot(26, {CommandToggleGap, KindButton | KindToggle, 1, "Razmik med stolpci"});
    Fchart->SetToolbarSlot(27, {CommandPrintChart, KindButton, 1, "Tiskanje grafa (Ctrl+P)"});
    Fchart->SetToolbarSlot(28,
                           {CommandCopyChart, KindButton, 1, "Kopiranje grafa v odložišče (Ctrl+Shift+C)"});
    Fchart->RefreshToolbar();
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
            [this] { Command(CommandPrintChart); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this), &QShortcut::activated, this,
            [this] { Command(CommandCopyChart); });
}

void Tgraf::PrintChart() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QImage image = Fchart->ChartImage();
    QPainter painter;
    if (!painter.begin(&printer))
        throw Exception("Tiskalnik ni mogel začeti dokumenta");
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
    painter.end();
}

void Tgraf::CopyChart() {
    QGuiApplication::clipboard()->setImage(Fchart->ChartImage());
}

void Tgraf::Prepare(const std::string& xField, const std::string& yField) {
    TDataSet* dataSet = OpenDataSet(*Fchart);
    if (!dataSet || xField.empty() || yField.empty())
        return;
    Fchart->SetyFieldName({yField});
    Fchart->SetxFieldName(xField);
    Fchart->SetgFieldName("");
    Fchart->SetTitle(TitleCategoryAxis, DisplayLabelOf(*dataSet, xField));
    Fchart->SetTitle(TitleValueAxis, DisplayLabelOf(*dataSet, yField));
    Fchart->LoadData();
}

void Tgraf::Execute(const std::string& xField, const std::string& yField) {
    Prepare(xField, yField);
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void Tgraf::Command(int command) {
    RunGuarded([this, command] {
        if (command == CommandChooseAxes)
            ChooseAxes();
        else if (command == CommandToggleGap)
            Fchart->SetFixedGap(Fchart->FixedGap() ? 0 : 1);
        else if (command == CommandPrintChart)
            PrintChart();
        else if (command == CommandCopyChart)
            CopyChart();
    });
}

void Tgraf::ChooseAxes() {
    // A window opened without data has nothing to choose from.
    TDataSet* dataSet = OpenDataSet(*Fchart);
    if (!dataSet)
        return;
    std::string x = Fchart->xFieldName();
    std::vector<std::string> y = Fchart->yFieldName();
    std::string group = Fchart->gFieldName();
    TAxisDialog dialog(this);
    if (!dialog.Execute(*dataSet, x, y, group))
        return;
    Fchart->SetxFieldName(x);
    Fchart->SetyFieldName(y);
    Fchart->SetgFieldName(group);
    Fchart->SetTitle(TitleCategoryAxis, DisplayLabelOf(*dataSet, x));
    Fchart->SetTitle(TitleValueAxis, JoinedDisplayLabels(*dataSet, y));
    Fchart->LoadData();
}

void ShowGraph(QWidget* parent, TDataSource* source, const std::string& xField, const std::string& yField) {
    Tgraf graf(parent ? parent->window() : nullptr);
    graf.chart().SetdataSource(source);
    graf.Execute(xField, yField);
}
