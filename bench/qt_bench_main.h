// The main() of the benchmarks that drive Qt widgets: a QApplication around Google Benchmark's
// own run. Without a display named in QT_QPA_PLATFORM the widgets render offscreen, so the
// figures do not depend on a window system being there.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace chromlet::bench {

inline int RunWidgetBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace chromlet::bench
