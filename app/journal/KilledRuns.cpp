// A process id may have been reused by another program since; such a row then stays "teče" a while
// longer, which is the safe side.
#include "app/journal/KilledRuns.h"

#include "app/journal/JournalQuery.h"
#include "app/journal/RunJournal.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>
#include <vector>

std::string JournalHostName() {
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    return name;
}

void MarkKilledRuns(TOracleSession& session) {
    TJournalQuery query(session);
    query.Run("SELECT ID, PROCES FROM OBLI_DNEVNIK WHERE IZID = :IZID AND RACUNALNIK = :RACUNALNIK",
              {{"IZID", TVariant::FromText(journal::kRunning)},
               {"RACUNALNIK", TVariant::FromText(JournalHostName())}});
    std::vector<long long> killed;
    for (; !query.Query.Eof(); query.Query.Next()) {
        const pid_t process = static_cast<pid_t>(ColumnNumber(query.Query, 1));
        if (process > 0 && kill(process, 0) != 0 && errno == ESRCH)
            killed.push_back(static_cast<long long>(ColumnNumber(query.Query, 0)));
    }
    for (long long id : killed)
        query.Run("UPDATE OBLI_DNEVNIK SET IZID = :KILLED WHERE ID = :ID AND IZID = :IZID",
                  {{"KILLED", TVariant::FromText(journal::kKilled)},
                   {"ID", TVariant::FromInteger(id)},
                   {"IZID", TVariant::FromText(journal::kRunning)}});
    if (!killed.empty())
        session.Commit();
}
