#include <cstdio>
#include <cstring>

#include "cli/cli_commands.h"

// sefaro-cli COMMAND [ARGUMENTS]: the window's work without the window.
int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        printCliUsage(stdout);
        return kExitOk;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("sefaro-cli " SEFARO_VERSION);
        return kExitOk;
    }
    if (argc >= 2) {
        for (const CliCommand* command = kCliCommands; command->name; ++command) {
            if (std::strcmp(argv[1], command->name) == 0) return command->run(argc - 1, argv + 1);
        }
    }
    printCliUsage(stderr);
    return kExitUsage;
}
