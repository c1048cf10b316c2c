// chromlet-name: coloured player and server names on the command line, for server admins and
// scripts. It needs no display: Qt Core at most.
#include <QLocale>

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
    switch (invocation.command) {
        case Command::Show:
            return RunShow(invocation);
        case Command::Code:
            return RunCode(invocation);
        case Command::Write:
            return RunWrite(invocation);
        case Command::Server:
            return RunServer(invocation);
        case Command::Status:
            return RunStatus(invocation);
        case Command::Picture:
            return RunPicture(invocation);
        case Command::Export:
            return RunExport(invocation);
    }
    return Failed;
}
