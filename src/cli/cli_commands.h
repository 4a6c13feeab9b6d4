#pragma once

#include <cstdio>
#include <string>

// The subcommands of sefaro-cli. Each lives in a file of its own and is listed once in
// cli_commands.cpp; main only dispatches.
//
// Exit codes every subcommand keeps to.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;   // output not written, or a list or script not read
inline constexpr int kExitRefused = 2;  // the reader refused the file; its message is on stderr
inline constexpr int kExitUsage = 64;   // wrong arguments; one line on stderr says why

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

// Prints "sefaro-cli COMMAND: why (usage: …)" on stderr, one line; kExitUsage.
int commandUsageError(const char* command, const std::string& why);
// Prints "sefaro-cli COMMAND: why" on stderr, one line; returns exit_code.
int commandError(const char* command, const std::string& why, int exit_code);

int runInfo(int argc, char** argv);
int runSpectrum(int argc, char** argv);
int runPeaks(int argc, char** argv);
int runCompare(int argc, char** argv);
int runRender(int argc, char** argv);
int runReplay(int argc, char** argv);
