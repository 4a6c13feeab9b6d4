#pragma once

#include <cstdio>

// The subcommands of sefaro-cli. Each lives in a file of its own and is listed once in
// cli_commands.cpp; main only dispatches.
//
// Exit codes every subcommand keeps to.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;  // the file was refused; its message is on stderr
inline constexpr int kExitUsage = 64;   // wrong arguments; a usage line is on stderr

struct CliCommand {
    const char* name;
    const char* arguments;  // shown after the name in the usage text
    const char* summary;
    // argv[0] is the subcommand's name; argc counts it.
    int (*run)(int argc, char** argv);
};

// The table, ended by an entry whose name is null.
extern const CliCommand kCliCommands[];

// Prints the usage of every command.
void printCliUsage(std::FILE* out);

int runInfo(int argc, char** argv);
