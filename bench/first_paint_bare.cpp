// The yardstick for startup_bench: a bare Qt Widgets program that shows one window with 25
// buttons and reports its first paint the same way.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(471, 308);
    for (int i = 0; i < 25; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i + 1), &window);
        button->setGeometry(8 + (i % 5) * 92, 8 + (i / 5) * 40, 88, 32);
    }
    chromlet::bench::ReportFirstPaint(window);
    window.show();
    return QApplication::exec();
}
