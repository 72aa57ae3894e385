// The application object and the people dataset of the grid tests.
#include "TestFixtures.h"

QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "test_grid";
    static char* argv[] = {name, nullptr};
    // CTest's environment for Qt tests may not arrive; no display is needed either way.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: torn down among the exit handlers it would outlive Qt's own statics.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

std::unique_ptr<TMemDataSet> PeopleDataSet(const std::vector<TPerson>& people) {
    auto dataSet = std::make_unique<TMemDataSet>("PEOPLE");
    dataSet->FieldDefs().Add("NAME", TFieldType::ftString, 20);
    dataSet->FieldDefs().Add("AMOUNT", TFieldType::ftFloat);
    dataSet->FieldDefs().Add("CODE", TFieldType::ftInteger);
    dataSet->Open();
    for (const TPerson& person : people) {
        dataSet->Append();
        dataSet->FieldByName("NAME").SetAsString(person.Name);
        dataSet->FieldByName("AMOUNT").SetAsFloat(person.Amount);
        dataSet->FieldByName("CODE").SetAsInteger(person.Code);
        dataSet->Post();
    }
    dataSet->First();
    return dataSet;
}

std::string CurrentName(const TDataSet& dataSet) {
    return dataSet.FieldByName("NAME").AsString();
}
