// Child process of the crash-safety test: runs Savesettings on the data folder given
// with the file size limit set to N bytes, so every file write stops after N bytes.
// "fail": the write fails, as on a full disk. "kill": the kernel kills the process
// in the middle of the write.
#include "InterruptedSave.h"

#include "classify/rules/SpamSettingsFiles.h"

#include "platform/DataFolder.h"

#include <csignal>
#include <cstdlib>
#include <cstring>

#include <sys/resource.h>

int main(int argc, char **argv)
{
    if (argc != 4)
        return 64;
    const tarnwell::test::InterruptedSave save;
    const auto folder = tarnwell::DataFolder::locate(QString::fromLocal8Bit(argv[1]));
    const rlim_t limit = std::strtoul(argv[2], nullptr, 10);
    const bool kill = std::strcmp(argv[3], "kill") == 0;

    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::signal(SIGXFSZ, kill ? SIG_DFL : SIG_IGN);
    const rlimit fileSize{limit, limit};
    if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
        return 65;
    return tarnwell::Savesettings(save.tables, save.options, folder) ? 0 : 1;
}
