// zorveka-run: the transfer run of one report day and risk type for scheduled batch use.
// zorveka-run alias user password [usercode] [OCIDLL=…] --day DD.MM.YYYY --risk 0|1|2 [--stats]
#include "BatchRun.h"

#include "platform/ui/ProgramVersion.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv) {
    if (PrintedVersion(argc, argv, "zorveka-run"))
        return 0;
    std::signal(SIGXFSZ, SIG_IGN); // past a file-size limit a write fails with an error to report
    return RunBatch(std::vector<std::string>(argv, argv + argc), std::cerr);
}
