// The axis dialog of the chart: the user picks the category field, any number of value fields
// and an optional grouping field of a dataset. The field lists come from AxisFields; the dialog
// only shows them, preselects the current choice and hands the names back.
#pragma once

#include "grid/DialogBases.h"
#include "grid/chart/AxisFields.h"

#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;
class TDataSet;

class TAxisDialog : public TGridWindow {
    Q_OBJECT
public:
    explicit TAxisDialog(QWidget* parent = nullptr);

    //! Offers the dataset's fields with x, yList and g preselected and shows the dialog modally.
    //! On OK stores the choice in the three arguments and returns true; on Cancel leaves them.
    bool Execute(const TDataSet& dataSet, std::string& x, std::vector<std::string>& yList, std::string& g);

    QComboBox* cbX() const { return FcbX; }
    QListWidget* lbY() const { return FlbY; }
    QComboBox* cbG() const { return FcbG; }
    QPushButton* btnClear() const { return FbtnClear; }
    QPushButton* BitBtn1() const { return FBitBtn1; }

    //! OK: refused with "Missing X or Y" while the choice is incomplete; the dialog stays open.
    void accept() override;

private:
    void Fill(const TDataSet& dataSet);
    void Preselect(const std::string& x, const std::vector<std::string>& yList, const std::string& g);
    std::vector<std::string> SelectedY() const;

    QComboBox* FcbX;
    QListWidget* FlbY;
    QComboBox* FcbG;
    QPushButton* FbtnClear;
    QPushButton* FBitBtn1;
    TAxisFieldLists FLists;
};
