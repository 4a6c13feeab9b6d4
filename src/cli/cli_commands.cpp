#include "cli/cli_commands.h"

#include <cstdio>

const CliCommand kCliCommands[] = {
    {"info", "FILE", "check a WAVE file as the window loads it and print what it shows", runInfo},
    {nullptr, nullptr, nullptr, nullptr},
};

void printCliUsage(std::FILE* out) {
    std::fputs("usage: sefaro-cli COMMAND [ARGUMENTS]\n       sefaro-cli --help\n", out);
    std::fputs("commands:\n", out);
    for (const CliCommand* command = kCliCommands; command->name; ++command) {
        std::fprintf(out, "  %s %s\n      %s\n", command->name, command->arguments,
                     command->summary);
    }
}
