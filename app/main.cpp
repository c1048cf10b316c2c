// Chromlet: makes coloured player and server names for the game and writes them into its
// configuration file.
#include <QApplication>

#include "ui/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chromlet"));
    QApplication::setApplicationVersion(QStringLiteral("0.3"));
    QApplication::setDesktopFileName(QStringLiteral("chromlet"));

    chromlet::ui::Form1 window;
    window.show();
    return QApplication::exec();
}
