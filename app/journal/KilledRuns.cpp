// A process id may have been reused by another program since; such a row then stays as it is a while
// longer, which is the safe side.
#include "app/journal/KilledRuns.h"

#include "app/LookupCycle.h"
#include "app/journal/JournalQuery.h"
#include "app/journal/RunJournal.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>
#include <vector>

namespace {

bool IsGone(pid_t process, bool ownRunsEnded) {
    if (process <= 0)
        return false;
    if (process == getpid())
        return ownRunsEnded;
    return kill(process, 0) != 0 && errno == ESRCH;
}

const std::string kUnfinished = " FROM OBLI_DNEVNIK WHERE RACUNALNIK = :RACUNALNIK AND (IZID = :TECE OR "
                                "(IZID = :ZAKLJUCEN AND STATUS = :ODPRTO))";

} // namespace

std::string JournalHostName() {
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    return name;
}

void MarkKilledRuns(TOracleSession& session, bool ownRunsEnded) {
    const TJournalValues unfinished = {{"RACUNALNIK", TVariant::FromText(JournalHostName())},
                                       {"TECE", TVariant::FromText(journal::kRunning)},
                                       {"ZAKLJUCEN", TVariant::FromText(journal::kCompleted)},
                                       {"ODPRTO", TVariant::FromText(kClosingOutstanding)}};
    TJournalQuery query(session);
    query.Run("SELECT ID, PROCES" + kUnfinished, unfinished);
    std::vector<long long> killed;
    for (; !query.Query.Eof(); query.Query.Next())
        if (IsGone(static_cast<pid_t>(ColumnNumber(query.Query, 1)), ownRunsEnded))
            killed.push_back(static_cast<long long>(ColumnNumber(query.Query, 0)));
    for (long long id : killed) {
        TJournalValues values = unfinished;
        values.emplace_back("KILLED", TVariant::FromText(journal::kKilled));
        values.emplace_back("ID", TVariant::FromInteger(id));
        query.Run(
            "UPDATE OBLI_DNEVNIK SET IZID = :KILLED WHERE ID = :ID AND RACUNALNIK = :RACUNALNIK AND (IZID = "
            ":TECE OR (IZID = :ZAKLJUCEN AND STATUS = :ODPRTO))",
            values);
    }
    if (!killed.empty())
        session.Commit();
}

bool LastClosingOutstanding(TOracleSession& session, TDateTime day) {
    TJournalQuery query(session);
    // The runs that changed the day's results: those completed, and those killed after their commit.
    query.Run("SELECT STATUS FROM OBLI_DNEVNIK WHERE DAT_STANJA = :DAN AND (IZID = :ZAKLJUCEN OR STATUS = "
              ":ODPRTO) ORDER BY ZACETEK DESC, ID DESC",
              {{"DAN", DayValue(day)},
               {"ZAKLJUCEN", TVariant::FromText(journal::kCompleted)},
               {"ODPRTO", TVariant::FromText(kClosingOutstanding)}});
    return !query.Query.Eof() && ColumnText(query.Query, 0) == kClosingOutstanding;
}
