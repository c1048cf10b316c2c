// The main window's live update for long names: a style change in an editor, which rebuilds
// both codes, the reports of what the game makes of them, the preview's rows and the budget;
// and a paint of the preview.
#include <benchmark/benchmark.h>

#include "bench/qt_bench_main.h"
#include "core/target_game.h"
#include "ui/editor/name_editor.h"
#include "ui/in_game/game_preview.h"
#include "ui/main_window/form1.h"

namespace {

using chromlet::TargetGame;

void FillEditor(chromlet::ui::NameEditor& editor, int length) {
    QString text;
    for (int i = 0; i < length; ++i) {
        text.append(QChar(static_cast<char16_t>(33 + i % 94)));
    }
    editor.setPlainText(text);
    for (int start = 0; start < length; start += 3) {
        editor.SetSelection({static_cast<std::size_t>(start), 3});
        editor.SetSelectionColor(chromlet::ColorPalette[(start / 3) % 8].packed);
        editor.SetSelectionQ3Font(start % 9 != 0);
    }
}

void BM_PreviewUpdate(benchmark::State& state) {
    chromlet::ui::Form1 window;
    window.SetTarget(static_cast<TargetGame>(state.range(1)));
    FillEditor(*window.rtb(), static_cast<int>(state.range(0)));
    FillEditor(*window.rtb2(), static_cast<int>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        window.rtb()->SetSelection({i % 100, 1});
        window.rtb()->SetSelectionColor(chromlet::ColorPalette[1 + i % 7].packed);
        ++i;
    }
}
BENCHMARK(BM_PreviewUpdate)->ArgsProduct({{100, 1000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

void BM_PreviewPaint(benchmark::State& state) {
    chromlet::ui::Form1 window;
    window.SetTarget(TargetGame::Quake3);
    FillEditor(*window.rtb(), static_cast<int>(state.range(0)));
    FillEditor(*window.rtb2(), static_cast<int>(state.range(0)));
    auto* preview = window.findChild<chromlet::ui::GamePreview*>(QStringLiteral("Preview1"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview->grab());
    }
}
BENCHMARK(BM_PreviewPaint)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return chromlet::bench::RunWidgetBenchmarks(argc, argv);
}
