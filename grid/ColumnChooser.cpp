// Moves of the column chooser between its two lists.
#include "grid/ColumnChooser.h"

#include "grid/SlovenianCollation.h"
#include "platform/dataset/DatabaseError.h"
#include "platform/dataset/Field.h"

#include <algorithm>
#include <charconv>

namespace {

bool CaptionLess(const TColumnEntry& a, const TColumnEntry& b) {
    return SlovenianLess(a.Caption, b.Caption);
}

int FirstOf(const std::vector<TColumnEntry>& list) {
    return list.empty() ? -1 : 0;
}

bool Holds(const std::vector<TColumnEntry>& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size());
}

int ParseInteger(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw Exception(DatabaseErrorText::InvalidInteger(text));
    return value;
}

} // namespace

void TColumnChooser::Fill(const std::vector<TColumnEntry>& on, const std::vector<TColumnEntry>& off) {
    FOn = on;
    FOff = off;
    std::stable_sort(FOff.begin(), FOff.end(), CaptionLess);
    FOnIndex = FirstOf(FOn);
    FOffIndex = FirstOf(FOff);
}

void TColumnChooser::InsertSorted(TColumnEntry entry) {
    FOff.insert(std::upper_bound(FOff.begin(), FOff.end(), entry, CaptionLess), std::move(entry));
}

int TColumnChooser::AfterRemoval(int removed, int count) {
    return std::min(removed, count - 1);
}

void TColumnChooser::MoveUp() {
    if (!Holds(FOn, FOnIndex) || FOnIndex == 0)
        return;
    std::swap(FOn[static_cast<size_t>(FOnIndex)], FOn[static_cast<size_t>(FOnIndex - 1)]);
    --FOnIndex;
}

void TColumnChooser::MoveDown() {
    if (!Holds(FOn, FOnIndex + 1) || FOnIndex < 0)
        return;
    std::swap(FOn[static_cast<size_t>(FOnIndex)], FOn[static_cast<size_t>(FOnIndex + 1)]);
    ++FOnIndex;
}

void TColumnChooser::HideSelected() {
    if (!Holds(FOn, FOnIndex))
        return;
    InsertSorted(FOn[static_cast<size_t>(FOnIndex)]);
    FOn.erase(FOn.begin() + FOnIndex);
    FOnIndex = AfterRemoval(FOnIndex, static_cast<int>(FOn.size()));
    if (FOn.empty())
        FOffIndex = FirstOf(FOff);
}

void TColumnChooser::HideAll() {
    for (TColumnEntry& entry : FOn)
        InsertSorted(std::move(entry));
    FOn.clear();
    FOnIndex = -1;
    FOffIndex = FirstOf(FOff);
}

void TColumnChooser::ShowSelected() {
    if (!Holds(FOff, FOffIndex))
        return;
    FOn.push_back(FOff[static_cast<size_t>(FOffIndex)]);
    FOff.erase(FOff.begin() + FOffIndex);
    FOffIndex = AfterRemoval(FOffIndex, static_cast<int>(FOff.size()));
    if (FOff.empty())
        FOnIndex = FirstOf(FOn);
}

void TColumnChooser::ShowAll() {
    FOn.insert(FOn.end(), FOff.begin(), FOff.end());
    FOff.clear();
    FOffIndex = -1;
    FOnIndex = FirstOf(FOn);
}

void TColumnChooser::ApplyDisplayLabel(const std::string& label, const std::string& widthText) {
    if (!Holds(FOn, FOnIndex))
        return;
    TColumnEntry& entry = FOn[static_cast<size_t>(FOnIndex)];
    entry.Caption = label;
    if (!entry.Field)
        return;
    entry.Field->SetDisplayLabel(label);
    entry.Field->SetDisplayWidth(ParseInteger(widthText));
}
