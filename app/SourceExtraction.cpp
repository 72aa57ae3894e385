// BeriPodatke: the referent, then Q1 over the extraction statement. The progress label stays up on
// failure, so the user sees where the run stopped.
#include "app/SourceExtraction.h"

#include "app/ReferentFile.h"
#include "app/StatementDump.h"
#include "platform/ui/UserInterface.h"

namespace {

void OpenSourceRows(TRunContext& context, const std::string& statement) {
    TOracleDataSet& q1 = context.DM.Q1;
    try {
        q1.Close();
        q1.SetSQLText(statement);
        SaveStatementText(context.AppDir + context.ProgramName + ".SQL", statement);
        q1.Open();
        context.Labels->SetStevec(std::to_string(q1.RecordCount()));
    } catch (...) {
        Ui().ShowMessage(statement);
        throw;
    }
}

} // namespace

void BeriPodatke(TRunContext& context) {
    context.Labels->ShowSporocilo("Poteka branje podatkov ...");
    Ui().ProcessMessages();
    context.Referent = BeriDBSReferenta(ReferentFileName(context.AppDir, context.ProgramName),
                                        FourthArgument(context.Arguments));
    OpenSourceRows(context, ExtractionStatement(context.ReportDay));
    Ui().ProcessMessages();
    context.Labels->HideSporocilo();
    Ui().ProcessMessages();
}
