// chromlet-name: coloured player and server names on the command line, for server admins and
// scripts. It needs no display: Qt Core at most.
#include <QLocale>

#include <utility>

#include "cli/arguments.h"
#include "cli/sharing.h"
#include "cli/show.h"
#include "cli/status.h"
#include "cli/terminal.h"
#include "cli/writing.h"

using namespace chromlet::cli;

int main(int argc, char* argv[]) {
    // The messages are English, and so are the numbers in them.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const ParsedArguments parsed = ParseArguments(argc, argv);
    Print(parsed.output.toStdString());
    PrintError(parsed.error.toStdString());
    if (!parsed.invocation) {
        return parsed.status;
    }
    const Invocation& invocation = *parsed.invocation;
    // Each command and what runs it.
    const std::pair<Command, int (*)(const Invocation&)> runs[] = {
        {Command::Show, RunShow},     {Command::Code, RunCode},     {Command::Write, RunWrite},
        {Command::Server, RunServer}, {Command::Status, RunStatus}, {Command::Picture, RunPicture},
        {Command::Export, RunExport},
    };
    for (const auto& [command, run] : runs) {
        if (command == invocation.command) {
            return run(invocation);
        }
    }
    return Failed;
}
