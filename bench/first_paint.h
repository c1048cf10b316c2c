// Shared by the two first-paint programs: once the window's first paint pass is over, say so
// on standard output and quit.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace chromlet::bench {

class FirstPaintReporter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // The children are painted in the same pass; report once it has finished.
            QTimer::singleShot(0, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool reported_ = false;
};

inline void ReportFirstPaint(QWidget& window) {
    window.installEventFilter(new FirstPaintReporter(&window));
}

}  // namespace chromlet::bench
