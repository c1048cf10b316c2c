// The game's own look: opening the In game window with the charset read from the archives, and
// one keystroke's redraw of the window and the preview. The charset lies in archives of the
// benchmark's own, a 256 x 256 TGA as large as the games' own; where Debian's OpenArena data is
// installed, its archives are read as well.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <random>

#include "bench/qt_bench_main.h"
#include "core/name_rules.h"
#include "test_charset.h"
#include "ui/editor/name_editor.h"
#include "ui/in_game/charset_source.h"
#include "ui/in_game/game_look.h"
#include "ui/in_game/game_preview.h"
#include "ui/in_game/in_game_window.h"
#include "ui/main_window/form1.h"

namespace {

using chromlet::DataFolders;
using chromlet::TargetGame;
using namespace chromlet::ui;

// Eight archives of other files before the one with the charset, as a game folder holds them.
QString MakeGameFolder(const QTemporaryDir& dir) {
    const QString folder = dir.filePath("baseoa");
    QDir().mkpath(folder);
    std::mt19937 rng(7);
    for (int pak = 0; pak < 9; ++pak) {
        QuaZip zip(QStringLiteral("%1/pak%2.pk3").arg(folder).arg(pak));
        zip.open(QuaZip::mdCreate);
        for (int file = 0; file < 200; ++file) {
            QuaZipFile entry(&zip);
            entry.open(
                QIODevice::WriteOnly,
                QuaZipNewInfo(QStringLiteral("textures/pak%1/file%2.tga").arg(pak).arg(file)));
            QByteArray bytes(4096, '\0');
            for (char& c : bytes) {
                c = static_cast<char>(rng());
            }
            entry.write(bytes);
        }
        if (pak == 0) {
            QuaZipFile entry(&zip);
            entry.open(QIODevice::WriteOnly, QuaZipNewInfo("gfx/2d/bigchars.tga"));
            entry.write(chromlet::test::TestCharsetTga());
        }
        zip.close();
    }
    return folder;
}

DataFolders Only(const QString& folder) {
    return DataFolders{{folder.toStdString()}, {folder.toStdString()}};
}

const char* const DebianOpenArena = "/usr/lib/openarena/baseoa";

// The chosen game and the window's size go to settings of the benchmark's own, never the user's.
void KeepSettingsApart() {
    static const QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
}

// Arg 0: the benchmark's own archives; 1: Debian's OpenArena data.
void BM_OpenInGameWindow(benchmark::State& state) {
    KeepSettingsApart();
    QTemporaryDir dir;
    const QString folder = state.range(0) == 0 ? MakeGameFolder(dir) : DebianOpenArena;
    if (state.range(0) == 1 && !QDir(folder).exists()) {
        state.SkipWithError("OpenArena's data is not installed");
        return;
    }
    const auto names = std::make_shared<const chromlet::NamesReport>(chromlet::NamesReport{
        TargetGame::OpenArena, chromlet::AnalysePlayerName(TargetGame::OpenArena, "^1Chrom^4let^7"),
        chromlet::AnalyseServerName(TargetGame::OpenArena, "^3A server^7")});
    for (auto _ : state) {
        CharsetSource source;  // a new session: nothing read yet
        source.SetDataFolderFinder([&](TargetGame, const std::string&) { return Only(folder); });
        InGameWindow window;
        window.SetNames(names);
        window.SetCharset(source.StateFor(TargetGame::OpenArena));
        if (!window.View()->DrawsFromCharset()) {
            state.SkipWithError("no charset found");
            return;
        }
        window.show();
        window.View()->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenInGameWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One character typed and taken back in turn, each followed by the preview's and the open
// window's redraw, with names of 35 and 1,000 characters.
void BM_KeystrokeRedraw(benchmark::State& state) {
    KeepSettingsApart();
    QTemporaryDir dir;
    const QString folder = MakeGameFolder(dir);
    Form1 form([](QWidget*, const ChooserSettings&) { return QString(); });
    form.SetTarget(TargetGame::OpenArena);
    auto* look = form.findChild<GameLook*>();
    look->Charsets()->SetDataFolderFinder(
        [&](TargetGame, const std::string&) { return Only(folder); });
    form.show();
    QCoreApplication::processEvents();
    QString text;
    for (int i = 0; i < state.range(0); ++i) {
        text.append(QChar(static_cast<char16_t>('a' + i % 26)));
    }
    NameEditor* editor = form.rtb();
    editor->setPlainText(text);
    for (std::size_t start = 0; start + 4 <= static_cast<std::size_t>(text.size()); start += 4) {
        editor->SetSelection({start, 4});
        editor->SetSelectionColor(chromlet::ColorPalette[(start / 4) % 8].packed);
    }
    editor->moveCursor(QTextCursor::End);
    look->ShowWindow();
    auto* preview = form.findChild<GamePreview*>("Preview1");
    if (!preview->DrawsFromCharset()) {
        state.SkipWithError("no charset found");
        return;
    }
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(editor, typed ? Qt::Key_Backspace : Qt::Key_X);
        typed = !typed;
        preview->viewport()->repaint();
        look->Window()->View()->viewport()->repaint();
    }
}
BENCHMARK(BM_KeystrokeRedraw)->Arg(35)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return chromlet::bench::RunWidgetBenchmarks(argc, argv);
}
