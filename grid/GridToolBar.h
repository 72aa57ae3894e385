// The tool buttons of the grids: the flat 18 x 18 speed button "StdBtn<n>" (a light face, so its
// glyph reads on any window colour, and a Slovenian tooltip) and the one process-wide bar of eleven
// of them (GridToolBar). The bar belongs to no window; the grid that shows it adopts the buttons,
// and windows detach them before they destroy their children.
#pragma once

#include "grid/GridButtons.h"

#include <QKeySequence>
#include <QToolButton>
#include <functional>

//! The key that does what the button does, in the grid that has the focus.
QKeySequence ShortcutOf(TGridButton button);
//! What a user reads when pointing at the button: its purpose and its key.
QString ButtonToolTip(TGridButton button);
//! The key that repeats the last search of the locate dialog from the next record.
inline const QKeySequence LocateNextKey{Qt::Key_F3};

class TGridToolButton : public QToolButton {
    Q_OBJECT
public:
    TGridToolButton();
};

class TGridToolBar {
public:
    //! Clicks go to the adopting grid's handler.
    using THandler = std::function<void(TGridButton button)>;

    TGridToolButton& Button(TGridButton button) const { return *FButtons[static_cast<size_t>(button)]; }
    //! The grid that adopted the buttons last (nullptr: none) and its click handler; onTaken is
    //! called when another grid adopts them.
    void Adopt(const void* owner, THandler handler, std::function<void()> onTaken = nullptr);
    //! Forgets the handler when owner still holds it (a grid going away).
    void Release(const void* owner);
    //! Parent of every button := none.
    void DetachAll();
    //! Parent := none for the buttons inside window, so they survive its destruction.
    void DetachFrom(const QWidget& window);

    //! Creates the eleven buttons and their glyphs; deleted with the application.
    TGridToolBar();
    ~TGridToolBar();

private:
    std::array<TGridToolButton*, GridButtonCount> FButtons{};
    const void* FOwner = nullptr;
    THandler FHandler;
    std::function<void()> FOnTaken;
};

//! The one bar of the process, created on first use.
TGridToolBar& GridToolBar();
