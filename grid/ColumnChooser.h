// The column chooser's state without its window: the shown list in display order, the hidden list
// in Slovenian alphabetical order, their selections and the moves between them, so that the
// dialog only shows it and forwards the buttons.
#pragma once

#include "grid/GridColumns.h"

#include <string>
#include <vector>

class TColumnChooser {
public:
    //! Fills both lists (the hidden one sorted) and selects the first line of each.
    void Fill(const std::vector<TColumnEntry>& on, const std::vector<TColumnEntry>& off);

    const std::vector<TColumnEntry>& On() const { return FOn; }
    const std::vector<TColumnEntry>& Off() const { return FOff; }
    int OnIndex() const { return FOnIndex; }
    int OffIndex() const { return FOffIndex; }
    void SelectOn(int index) { FOnIndex = index; }
    void SelectOff(int index) { FOffIndex = index; }

    //! Moves the selected shown entry one place; past the top or bottom nothing happens.
    void MoveUp();
    void MoveDown();
    //! Hides the selected shown entry / all of them.
    void HideSelected();
    void HideAll();
    //! Shows the selected hidden entry at the end / all of them.
    void ShowSelected();
    void ShowAll();
    //! Renames the selected shown entry and its field, then sets the field's display width from
    //! widthText (the conversion error leaves the width; the names are changed by then).
    void ApplyDisplayLabel(const std::string& label, const std::string& widthText);

private:
    void InsertSorted(TColumnEntry entry);
    static int AfterRemoval(int removed, int count);

    std::vector<TColumnEntry> FOn;
    std::vector<TColumnEntry> FOff;
    int FOnIndex = -1;
    int FOffIndex = -1;
};
