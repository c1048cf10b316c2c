// "Show code" on the editor widgets: encoding both names and filling a fresh control-code
// dialog, everything the click does except waiting for the user to close the dialog.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <random>

#include "core/color_code.h"
#include "ui/dialog.h"
#include "ui/name_editor.h"

namespace {

// A name of `length` characters in runs of palette colours, some in the alternative font.
void FillEditor(chromlet::ui::NameEditor& editor, std::size_t length, unsigned seed) {
    std::mt19937 rng(seed);
    QString text;
    for (std::size_t i = 0; i < length; ++i) {
        text.append(QChar(static_cast<char16_t>(32 + rng() % 95)));
    }
    editor.setPlainText(text);
    for (std::size_t start = 0; start < length;) {
        const std::size_t run = 1 + rng() % 5;
        editor.SetSelection({start, run});
        editor.SetSelectionColor(chromlet::ColorPalette[rng() % 8].packed);
        editor.SetSelectionQ3Font(rng() % 3 != 0);
        start += run;
    }
    editor.SetSelection({0, 0});
}

void BM_ShowCode(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    chromlet::ui::NameEditor player, server;
    FillEditor(player, length, 1);
    FillEditor(server, length, 2);
    for (auto _ : state) {
        const chromlet::SetaLines lines = chromlet::BuildShowCodeLines(player, server);
        chromlet::ui::Dialog dialog(
            [](QWidget*, const chromlet::ui::ChooserSettings&) { return QString(); });
        dialog.SetText1(lines.name);
        dialog.SetText2(lines.server);
        benchmark::DoNotOptimize(dialog.Text1().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ShowCode)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
