// The tool-button grid of the system: the base grid plus its caption label, the shared bar of
// eleven tool buttons shown on a title click, the fonts of WIN.INI, column persistence in
// `selected`, named sort orders, and the key and mouse rules. The operations behind the buttons
// can also be called on their own.
#pragma once

#include "grid/DataGrid.h"
#include "grid/GridButtons.h"
#include "grid/SortComboBox.h"

#include <QPointer>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

#include "grid/CaptionLabel.h"
class QKeySequence;
class TToolGrid;

enum class TLabelAlign { laNone, laLeft, laRight, laTop, laBottom };
//! alClient: the grid fills its parent (below the bar while it shows it); alNone: bounds as set.
enum class TAlign { alNone, alClient };

using TGridNotifyEvent = std::function<void(TToolGrid& sender)>;
using TCustomSortEvent = std::function<void(TToolGrid& sender, TSortInfoItem* ASortItem)>;

class TToolGrid : public TDataGrid {
    Q_OBJECT
public:
    explicit TToolGrid(QWidget* parent = nullptr);
    ~TToolGrid() override;

    //! After the owner set the data source: height, fonts of WIN.INI, ApplySelected, FillSortCaptions.
    void Loaded();

    const std::vector<std::string>& selected() const { return Fselected; }
    void Setselected(const std::vector<std::string>& lines) { Fselected = lines; }
    TLabelAlign labelAlign() const { return FlabelAlign; }
    void SetlabelAlign(TLabelAlign align);
    const std::string& labelText() const { return FlabelText; }
    void SetlabelText(const std::string& text);
    int labelSpacing() const { return FlabelSpacing; }
    void SetlabelSpacing(int spacing);
    bool ShowHorzScrollBar() const;
    void SetShowHorzScrollBar(bool show);
    bool ShowVertscrollBar() const { return FShowVertscrollBar; }
    void SetShowVertscrollBar(bool show);
    TGridButtons gridButtons() const { return FgridButtons; }
    void SetgridButtons(TGridButtons buttons);
    TSortInfo& SortInfo() { return FSortInfo; }
    void SetSortInfo(const TSortInfo& source) { FSortInfo.Assign(source); }
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    //! Requested bounds; a client-aligned grid ignores them (see ApplyBounds).
    void SetBounds(const QRect& bounds);

    TGridNotifyEvent OnPrint;
    TGridNotifyEvent OnZoom;
    //! Enter's handler of the owner, run before Zoom (the window opens what a double-click opens).
    std::function<void()> OnEnter;
    TCustomSortEvent OnCustomSort;

    TCaptionLabel* Label() const { return FLabel; }
    bool ButtonBarShown() const { return FButtonBarShown; }

    // The operations behind the buttons.
    void Zoom();
    void ChooseColumns();
    void Print();
    void PrintGroups();
    void Locate();
    void Sort();
    void RefreshData();
    void Graph();
    void ToggleTitleWordwrap() { SetTitleWordwrap(!TitleWordwrap()); }
    void CopyToClipboard();
    void Export();

    void SelectSortItem(TSortInfoItem* item);
    TSortInfoItem* CurrentSortItem();

    void StoreSelected();
    void ApplySelected();
    void UpdateLabel();
    void ShowButtonBar();
    void HideButtonBar();
    //! The grid's data source with a dataset that is open.
    bool IsActive() const;

    //! The message of Shift+Ctrl+Alt+Delete.
    static const std::string DeleteRefusedText;

protected:
    void setVisible(bool visible) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    //! A tool button's key (or F3, the next match of the last search) does what the button does;
    //! false for any other key.
    bool ButtonKey(const QKeySequence& key);
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The vertical bar follows ShowVertscrollBar alone: a grid with only a horizontal bar set still
    // scrolls through rows that exceed its view.
    bool VerticalBarShown() const override { return FShowVertscrollBar; }
    void LayoutChangedHook() override { UpdateLabel(); }
    void ColumnResized(int column, int pixels) override;
    void TitleClick(int column) override;

private:
    void ButtonClick(TGridButton button);
    void ButtonBarTaken();
    void ApplyBounds();
    void FollowParent(QWidget* previous);

    QPointer<TCaptionLabel> FLabel;
    std::vector<std::string> Fselected;
    TLabelAlign FlabelAlign = TLabelAlign::laTop;
    std::string FlabelText;
    int FlabelSpacing = 5;
    bool FShowVertscrollBar = true;
    TGridButtons FgridButtons = AllGridButtons;
    TSortInfo FSortInfo;
    bool FButtonBarShown = false;
    int SortItemIndex = -1;
    const TSortInfoItem* FChosenSortItem = nullptr; // tells a deleted item from its successor
    TAlign FAlign = TAlign::alNone;
    QRect FRequestedBounds;
    QPointer<QWidget> FWatchedParent;
    int FMousePressDepth = 0;
};

//! Runs a user's action: a Cancel ends it silently, any other error goes to the error display.
void RunGuarded(const std::function<void()>& action);
