#pragma once

// Runs a built program as a user runs it from a shell, with stdout and stderr kept apart.

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct CliRun {
    int exit_code;
    std::string out, err;
};

inline std::string fileText(const std::filesystem::path& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Runs program with these arguments in the folder work, with standard input from the file
// input (relative to work); a crash gives the exit code -1.
inline CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& work,
                         const std::string& input = "/dev/null") {
    QStringList arguments;
    for (const std::string& arg : args) arguments << QString::fromStdString(arg);
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(work.string()));
    process.setStandardInputFile(QString::fromStdString((work / input).string()));
    process.start(QString::fromStdString(program), arguments);
    process.waitForFinished(-1);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}
