// Every way into a name, timed on the main window as a user meets it: a keystroke, a paste (the
// editors' styled format, plain text, HTML alone), Paste coded name, the editor's paint with its
// caret, and Show code with the control-code dialog open. Each one includes the events it leaves
// behind (the live preview, the repaints), processed before the clock stops; keystroke and paste
// are also timed on an editor alone.
//
// Names come in four kinds: plain letters, every character in a colour of its own, all "é"
// (marked in the editor) and all in the alternative font.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/qt_bench_main.h"
#include "core/char_rules.h"
#include "core/color_code.h"
#include "ui/code_dialog/dialog.h"
#include "ui/common/target_choice.h"
#include "ui/editor/name_editor.h"
#include "ui/main_window/form1.h"
#include "ui/main_window/name_actions.h"

namespace {

using chromlet::CharStyle;
using chromlet::ui::NameEditor;

enum Kind { Plain, Coloured, AllE, AltFont };

// The palette's colours but black, in turn, so that no two neighbours share one.
chromlet::PackedColor ColourOf(std::size_t i) {
    return chromlet::ColorPalette[1 + i % 7].packed;
}

std::string CharsOf(Kind kind, std::size_t n) {
    std::string chars;
    for (std::size_t i = 0; i < n; ++i) {
        chars.push_back(kind == AllE ? '\xE9' : static_cast<char>('a' + i % 26));
    }
    return chars;
}

std::vector<CharStyle> StylesOf(Kind kind, std::size_t n) {
    std::vector<CharStyle> styles;
    for (std::size_t i = 0; i < n; ++i) {
        styles.push_back(
            {kind == Coloured ? ColourOf(i) : chromlet::PackColor(255, 255, 255), kind != AltFont});
    }
    return styles;
}

void Fill(NameEditor& editor, Kind kind, std::size_t n) {
    editor.setPlainText(QString::fromLatin1(CharsOf(kind, n)));
    editor.SetStyles(StylesOf(kind, n));
}

// The editors' own clipboard format, five bytes a character, with the text beside it.
QMimeData* StyledMime(Kind kind, std::size_t n) {
    const std::string chars = CharsOf(kind, n);
    const std::vector<CharStyle> styles = StylesOf(kind, n);
    QByteArray styled;
    for (std::size_t i = 0; i < n; ++i) {
        styled.append(chars[i]);
        styled.append(static_cast<char>(chromlet::RedOf(styles[i].Color)));
        styled.append(static_cast<char>(chromlet::GreenOf(styles[i].Color)));
        styled.append(static_cast<char>(chromlet::BlueOf(styles[i].Color)));
        styled.append(styles[i].Q3Font ? '\1' : '\0');
    }
    auto* mime = new QMimeData;
    mime->setData(NameEditor::StyledMimeType(), styled);
    mime->setText(QString::fromLatin1(chars));
    return mime;
}

// The main window on screen with the player name in the editor and the keyboard focus. Its live
// preview and budget follow every change of the name.
struct Window {
    chromlet::ui::Form1 form;
    NameEditor* editor = form.rtb();

    Window() {
        form.show();
        QApplication::setActiveWindow(&form);
        editor->setFocus();
        QApplication::processEvents();
    }
};

// An editor alone on screen, at its size in the main window, with the keyboard focus: what the
// editor itself costs, without the preview.
struct LoneEditor {
    QWidget form;
    NameEditor* editor = new NameEditor(&form);

    LoneEditor() {
        editor->setGeometry(7, 22, 204, 22);
        form.show();
        QApplication::setActiveWindow(&form);
        editor->setFocus();
        QApplication::processEvents();
    }
};

void Settle() {
    QApplication::processEvents();
}

void SendKey(QWidget* to, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
}

// A character typed at the end of the name and taken back with Backspace, in turn: the name
// stays at its length, one keystroke an iteration.
template <typename On>
void BM_Keystroke(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    const auto n = static_cast<std::size_t>(state.range(1));
    On window;
    Fill(*window.editor, kind, n);
    window.editor->moveCursor(QTextCursor::End);
    Settle();
    bool typed = true;
    for (auto _ : state) {
        if (typed) {
            SendKey(window.editor, Qt::Key_Backspace, QString());
        } else {
            SendKey(window.editor, Qt::Key_X, QStringLiteral("x"));
        }
        typed = !typed;
        Settle();
    }
    state.SetComplexityN(state.range(1));
}

// One paint of the focused editor, caret included, with nothing changed since the last one: what
// the caret's blink costs twice a second. A paint after a change is part of the keystroke.
void BM_Paint(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    LoneEditor window;
    Fill(*window.editor, kind, static_cast<std::size_t>(state.range(1)));
    window.editor->moveCursor(QTextCursor::End);
    Settle();
    for (auto _ : state) {
        window.editor->viewport()->repaint();
    }
    state.SetComplexityN(state.range(1));
}

// Ctrl+V of what the clipboard holds into the emptied editor of `window`, for a name of `n`.
template <typename On>
void TimePaste(benchmark::State& state, On& window, std::int64_t n) {
    Settle();
    for (auto _ : state) {
        window.editor->clear();
        window.editor->paste();
        Settle();
    }
    state.SetComplexityN(n);
}

// Ctrl+V into the emptied editor: the styled format for coloured and alternative-font names,
// plain text for the others.
template <typename On>
void BM_Paste(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    const auto n = static_cast<std::size_t>(state.range(1));
    On window;
    if (kind == Coloured || kind == AltFont) {
        QApplication::clipboard()->setMimeData(StyledMime(kind, n));
    } else {
        QApplication::clipboard()->setText(QString::fromLatin1(CharsOf(kind, n)));
    }
    TimePaste(state, window, state.range(1));
}

// Ctrl+V of a clipboard that holds only HTML: `depth` nested <b> around one letter.
void BM_HtmlPaste(benchmark::State& state) {
    const auto depth = static_cast<int>(state.range(0));
    Window window;
    auto* mime = new QMimeData;
    mime->setHtml(QStringLiteral("<b>").repeated(depth) + QStringLiteral("x") +
                  QStringLiteral("</b>").repeated(depth));
    QApplication::clipboard()->setMimeData(mime);
    TimePaste(state, window, state.range(0));
}

// Paste coded name (Ctrl+Shift+V) of `carets` carets, which every later engine shows as they are.
void BM_PasteCodedName(benchmark::State& state) {
    Window window;
    window.form.SetTarget(chromlet::TargetGame::Quake3);
    QApplication::clipboard()->setText(QString(static_cast<qsizetype>(state.range(0)), u'^'));
    Settle();
    for (auto _ : state) {
        window.editor->clear();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::sendEvent(window.editor, &press);
        Settle();
    }
    state.SetComplexityN(state.range(0));
}

// Show code with both names `n` characters long, each character in a colour of its own (a colour
// escape before every one): the lines built, the dialog made, shown and painted.
void BM_ShowCodeOpen(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    NameEditor player;
    NameEditor server;
    Fill(player, Coloured, n);
    Fill(server, Coloured, n);
    for (auto _ : state) {
        const chromlet::SetaLines lines =
            chromlet::BuildShowCodeLines(chromlet::TargetGame::Q3Test, player, server);
        chromlet::ui::Dialog dialog(
            [](QWidget*, const chromlet::ui::ChooserSettings&) { return QString(); });
        dialog.SetText1(lines.name);
        dialog.SetText2(lines.server);
        dialog.show();
        Settle();
        dialog.repaint();
    }
    state.SetComplexityN(state.range(0));
}

// One paint of a control-code box whose line holds `escapes` colour escapes, with its marks.
void BM_EscapeMarksPaint(benchmark::State& state) {
    chromlet::ui::Dialog dialog(
        [](QWidget*, const chromlet::ui::ChooserSettings&) { return QString(); });
    std::string line = "seta name \"";
    for (int i = 0; i < state.range(0); ++i) {
        line.push_back(chromlet::ColorEscape);
        line.push_back(static_cast<char>('1' + i % 7));
        line.push_back('a');
    }
    dialog.SetText1(line + "\"");
    dialog.show();
    Settle();
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
    for (auto _ : state) {
        box->repaint();
    }
    state.SetComplexityN(state.range(0));
}

constexpr int Bound = static_cast<int>(chromlet::MaxNameChars);

// Each kind of name, at lengths up to the bound.
void EveryKindUpToTheBound(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{Plain, Coloured, AllE, AltFont}, {100, 1000, Bound}})
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK_TEMPLATE(BM_Keystroke, Window)->Apply(EveryKindUpToTheBound);
BENCHMARK_TEMPLATE(BM_Keystroke, LoneEditor)->Apply(EveryKindUpToTheBound);
BENCHMARK(BM_Paint)->Apply(EveryKindUpToTheBound);
BENCHMARK_TEMPLATE(BM_Paste, Window)->Apply(EveryKindUpToTheBound);
BENCHMARK_TEMPLATE(BM_Paste, LoneEditor)->Apply(EveryKindUpToTheBound);
// Far past the bound: what a hostile or careless clipboard costs.
BENCHMARK_TEMPLATE(BM_Paste, Window)
    ->ArgsProduct({{Plain, Coloured}, {100'000, 10'000'000}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlPaste)
    ->Arg(200)
    ->Arg(2'000)
    ->Arg(20'000)
    ->Arg(200'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteCodedName)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowCodeOpen)->Arg(100)->Arg(1000)->Arg(Bound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscapeMarksPaint)->Arg(100)->Arg(1'000)->Arg(3'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return chromlet::bench::RunWidgetBenchmarks(argc, argv);
}
