// Starts like the program does and reports on standard output once the main window has been
// painted for the first time; then quits. Timed from outside by startup_bench.
#include <QApplication>

#include "first_paint.h"
#include "ui/main_window/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chromlet"));
    chromlet::ui::Form1 window;
    chromlet::bench::ReportFirstPaint(window);
    window.show();
    return QApplication::exec();
}
