// zorveka-run: the transfer run of one report day and risk type for scheduled batch use.
// zorveka-run alias user password [usercode] [OCIDLL=…] --day DD.MM.YYYY --risk 0|1|2 [--stats]
// zorveka-run alias user password [usercode] [OCIDLL=…] --days FROM..TO|DAY,… --risk 0,1,2 [--summary FILE]
#include "BatchRun.h"
#include "DayBatch.h"
#include "RunArguments.h"

#include "app/RunContext.h"
#include "platform/ui/ProgramVersion.h"

#include <csignal>
#include <iostream>
#include <string>

namespace {

const std::string kHelp =
    std::string(kRunUsage) +
    "\n\n"
    "Namesto gesla v ukazni vrstici, ki ga vsak lokalni uporabnik vidi v seznamu procesov:\n"
    "  -          geslo se prebere s standardnega vhoda (ena vrstica),\n"
    "  @DATOTEKA  prva vrstica DATOTEKE, ki jo sme brati le njen lastnik (chmod 600).\n"
    "\n"
    "  --version  različica programa\n"
    "  --help     to besedilo\n";

// A scheduler's stop ends the run as the window's Cancel does: rolled back, journalled 'preklican';
// a batch ends after it. A second signal ends the process at once.
void StopRun(int) {
    RequestRunStop();
    RequestBatchStop();
}

void StopRunOnSignals() {
    struct sigaction action {};
    action.sa_handler = StopRun;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    if (PrintedVersion(argc, argv, "zorveka-run") || PrintedHelp(argc, argv, kHelp.c_str()))
        return 0;
    std::signal(SIGXFSZ, SIG_IGN); // past a file-size limit a write fails with an error to report
    StopRunOnSignals();
    return RunBatch(std::vector<std::string>(argv, argv + argc), std::cerr);
}
