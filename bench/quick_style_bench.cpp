// The one-click styles on the editor widget itself: each run of one colour is one merge of a
// character format, and all of them form one undo step.
#include <benchmark/benchmark.h>

#include "bench/qt_bench_main.h"
#include "core/quick_styles.h"
#include "ui/editor/name_editor.h"

namespace {

void BM_QuickStyle(benchmark::State& state) {
    const auto style = static_cast<chromlet::QuickStyle>(state.range(0));
    const auto length = static_cast<int>(state.range(1));
    chromlet::ui::NameEditor editor;
    QString text;
    for (int i = 0; i < length; ++i) {
        text.append(QChar(i % 7 == 6 ? u' ' : static_cast<char16_t>(u'a' + i % 26)));
    }
    editor.setPlainText(text);
    chromlet::InitialStyling(editor);
    std::uint32_t seed = 1;
    const std::vector<chromlet::CharStyle> white(static_cast<std::size_t>(length),
                                                 chromlet::CharStyle{0xFFFFFF, true});
    for (auto _ : state) {
        // From plain white each time, so that every character really changes.
        state.PauseTiming();
        editor.SetStyles(white);
        state.ResumeTiming();
        editor.SetStyles(chromlet::QuickStyled(editor, style, seed++));
        benchmark::DoNotOptimize(editor.StyleAt(0));
    }
}
BENCHMARK(BM_QuickStyle)
    ->ArgNames({"style", "length"})
    ->ArgsProduct({{static_cast<int>(chromlet::QuickStyle::Rainbow),
                    static_cast<int>(chromlet::QuickStyle::ByWord),
                    static_cast<int>(chromlet::QuickStyle::Alternate),
                    static_cast<int>(chromlet::QuickStyle::Random)},
                   {100, 1000}})
    ->Unit(benchmark::kMillisecond);

void BM_TidyCodes(benchmark::State& state) {
    chromlet::ui::NameEditor editor;
    editor.setPlainText(QString(QStringLiteral("word ")).repeated(200));
    chromlet::InitialStyling(editor);
    for (auto _ : state) {
        state.PauseTiming();
        editor.SetStyles(chromlet::QuickStyled(editor, chromlet::QuickStyle::Random, 7));
        state.ResumeTiming();
        editor.SetStyles(chromlet::TidiedStyles(editor));
    }
}
BENCHMARK(BM_TidyCodes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return chromlet::bench::RunWidgetBenchmarks(argc, argv);
}
