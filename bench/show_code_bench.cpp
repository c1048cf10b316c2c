// "Show code" on the editor widgets: encoding both names and filling a fresh control-code
// dialog, everything the click does except waiting for the user to close the dialog.
#include <benchmark/benchmark.h>

#include <QTextCursor>

#include <random>

#include "bench/qt_bench_main.h"
#include "core/color_code.h"
#include "core/name_rules.h"
#include "ui/code_dialog/dialog.h"
#include "ui/editor/name_editor.h"

namespace {

// A name of `length` characters in runs of palette colours, some in the alternative font.
void FillEditor(chromlet::ui::NameEditor& editor, std::size_t length, unsigned seed) {
    std::mt19937 rng(seed);
    QString text;
    for (std::size_t i = 0; i < length; ++i) {
        text.append(QChar(static_cast<char16_t>(32 + rng() % 95)));
    }
    editor.setPlainText(text);
    // One edit block, so that the document lays the line out once rather than once per run.
    QTextCursor block(editor.document());
    block.beginEditBlock();
    for (std::size_t start = 0; start < length;) {
        const std::size_t run = 1 + rng() % 5;
        editor.SetSelection({start, run});
        editor.SetSelectionColor(chromlet::ColorPalette[rng() % 8].packed);
        editor.SetSelectionQ3Font(rng() % 3 != 0);
        start += run;
    }
    block.endEditBlock();
    editor.SetSelection({0, 0});
}

// A player name and a server name of `length` characters each, styled differently.
struct TwoNames {
    explicit TwoNames(std::size_t length) {
        FillEditor(player, length, 1);
        FillEditor(server, length, 2);
    }
    chromlet::ui::NameEditor player, server;
};

void BM_ShowCode(benchmark::State& state) {
    TwoNames names(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const chromlet::SetaLines lines =
            chromlet::BuildShowCodeLines(chromlet::TargetGame::Q3Test, names.player, names.server);
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

// The bytes between a line's outer quotes, the closing code included.
std::string_view Quoted(std::string_view line) {
    const std::size_t first = line.find('"');
    return line.substr(first + 1, line.rfind('"') - first - 1);
}

// The same click for a caret target, with the budget of both names as the window shows it.
void BM_CaretShowCodeAndBudget(benchmark::State& state) {
    TwoNames names(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const chromlet::SetaLines lines = chromlet::BuildShowCodeLines(
            chromlet::TargetGame::IoQuake3, names.player, names.server);
        const auto name =
            chromlet::AnalysePlayerName(chromlet::TargetGame::IoQuake3, Quoted(lines.name));
        const auto host =
            chromlet::AnalyseServerName(chromlet::TargetGame::IoQuake3, Quoted(lines.server));
        benchmark::DoNotOptimize(name.cleaned.size() + host.browserView.size());
    }
}
BENCHMARK(BM_CaretShowCodeAndBudget)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return chromlet::bench::RunWidgetBenchmarks(argc, argv);
}
