// BeriPodatke: the referent, then Q1 over the extraction statement. The progress label stays up on
// failure, so the user sees where the run stopped.
#include "app/SourceExtraction.h"

#include "app/DataSetReading.h"
#include "app/ReferentFile.h"
#include "app/StatementDump.h"
#include "platform/ui/UserInterface.h"

namespace {

// The source rows are fetched as the statement is opened, so their count is that of the rows read
// rather than a second execution of the extraction. They wait packed; the run unpacks each as it
// reaches it and frees them behind it.
int OpenSourceRows(TRunContext& context, const std::string& statement) {
    TOracleDataSet& q1 = context.DM.Q1;
    try {
        q1.Close();
        q1.SetSQLText(statement);
        SaveStatementText(context.AppDir + context.ProgramName + ".SQL", statement);
        const TReadingScope atOnce(q1, true, false, true);
        q1.Open();
        const int rows = q1.RecordCount();
        context.Labels->SetStevec(std::to_string(rows));
        return rows;
    } catch (...) {
        // A cancel that ended the statement is no failure of it.
        if (!RunCancelRequested(context))
            Ui().ShowMessage(statement);
        throw;
    }
}

} // namespace

int BeriPodatke(TRunContext& context) {
    context.Labels->ShowSporocilo("Poteka branje podatkov ...");
    Ui().ProcessMessages();
    context.Referent = BeriDBSReferenta(ReferentFileName(context.AppDir, context.ProgramName),
                                        FourthArgument(context.Arguments));
    const int rows = OpenSourceRows(context, ExtractionStatement(context.ReportDay));
    Ui().ProcessMessages();
    context.Labels->HideSporocilo();
    Ui().ProcessMessages();
    return rows;
}
