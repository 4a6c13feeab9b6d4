#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/cli_commands.h"

// sefaro-cli COMMAND [ARGUMENTS]: the window's work without the window.
int main(int argc, char** argv) {
    // A reader that stops reading (| head) ends the run at once and silently, as it ends any
    // filter, even when whoever started this process ignored the signal.
    std::signal(SIGPIPE, SIG_DFL);
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        printCliUsage(stdout);
        return kExitOk;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("sefaro-cli " SEFARO_VERSION);
        return kExitOk;
    }
    if (argc < 2 || argv[1][0] == '-') {
        printCliUsage(stderr);
        return kExitUsage;
    }
    for (const CliCommand* command = kCliCommands; command->name; ++command) {
        if (std::strcmp(argv[1], command->name) == 0) return command->run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "sefaro-cli: '%s' is not a command; see sefaro-cli --help\n", argv[1]);
    return kExitUsage;
}
