// The base data-aware grid: a table view over a data source through the virtual dataset model,
// with this system's title drawing (raised edges, the sort column sunken in SortColor, word-wrapped
// titles in a 45-pixel row), the focus rectangle and the title font colour the tool grid sets.
#pragma once

#include "grid/DataSetModel.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QTableView>
#include <functional>

class TDataSource;
class TCustomDataGrid;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

//! The title row: each title drawn with an inner edge, shrunk by one pixel and captioned.
class TTitleHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TTitleHeader(TCustomDataGrid& grid);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TCustomDataGrid& FGrid;
};

class TCustomDataGrid : public QTableView {
    Q_OBJECT
public:
    explicit TCustomDataGrid(QWidget* parent = nullptr);
    ~TCustomDataGrid() override;

    TDataSource* DataSource() const { return FModel.DataSource(); }
    void SetDataSource(TDataSource* source) { FModel.SetDataSource(source); }
    //! The field of a displayed column, or nullptr.
    TField* ColumnField(int column) const { return FModel.FieldAt(column); }
    int ColumnCount() const { return FModel.columnCount(); }

    const QFont& SelFont() const { return FSelFont; }
    void SetSelFont(const QFont& font);
    const QColor& SelColor() const { return FSelColor; }
    void SetSelColor(const QColor& color);
    const QColor& SortColor() const { return FSortColor; }
    void SetSortColor(const QColor& color);
    bool TitleWordwrap() const { return FTitleWordwrap; }
    void SetTitleWordwrap(bool wrap);
    //! The column drawn sunken, -1 = none; no operation of this system sets it.
    int SortColumn() const { return FSortColumn; }
    const QFont& TitleFont() const { return FTitleFont; }
    void SetTitleFont(const QFont& font);
    const QColor& TitleFontColor() const { return FTitleFontColor; }
    void SetTitleFontColor(const QColor& color);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle style);
    const QColor& TitleColor() const { return FTitleColor; }

    //! Title click handler of the owner (column number).
    std::function<void(int column)> OnTitleClick;
    //! Double-click handler of the owner.
    std::function<void()> OnDblClick;

    //! Column widths from the fields' display widths and the title row height.
    void LayoutColumns();
    //! Pixels of a column: the field's display width in digits of the grid font, or its title in
    //! the title font when that is wider, up to a maximum.
    int ColumnPixels(const TField& field) const;
    //! Pixels of one character of a display width: a digit, or the average letter when wider.
    int CharacterPixels() const;
    //! Pixels a cell adds to its text.
    int CellMargin() const;

protected:
    //! A layout change of the grid: the tool grid refreshes its label.
    virtual void LayoutChangedHook() {}
    //! A column width changed by the user (not by LayoutColumns).
    virtual void ColumnResized(int /*column*/, int /*pixels*/) {}
    //! The title click of the base: fires OnTitleClick.
    virtual void TitleClick(int column);
    //! Whether the vertical scroll bar shows (when the rows exceed the view): by ScrollBars here;
    //! the tool grid decides by its own property.
    virtual bool VerticalBarShown() const {
        return FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth;
    }
    //! Applies ScrollBars and VerticalBarShown to the view.
    void UpdateScrollBars();

private:
    friend class TTitleHeader;
    void FollowCurrentRecord(int row);
    void CurrentRowChosen(const QModelIndex& current);

    TDataSetModel FModel;
    QFont FSelFont;
    QColor FSelColor;
    QColor FSortColor;
    QColor FTitleColor;
    bool FTitleWordwrap = false;
    int FSortColumn = -1;
    QFont FTitleFont;
    QColor FTitleFontColor;
    TScrollStyle FScrollBars = TScrollStyle::ssBoth;
    bool FInLayout = false;
    bool FFollowing = false;
};

//! The grid with the appearance properties published; adds no behaviour.
class TDataGrid : public TCustomDataGrid {
    Q_OBJECT
public:
    using TCustomDataGrid::TCustomDataGrid;
};
